// The list commands of the main window: new entry from the calendars, modify,
// delete, jump, the list-only view; locally and against the real server.
#include <QAbstractItemView>

#include "net/Messages.h"
#include "schedule/EntryLine.h"
#include "tests/server/ServerProcess.h"
#include "tests/schedule/ScheduleFixture.h"

namespace {

using ListCommands = ScheduleFixture;

// Five entries (in store order) and a hand-written line; sorted, the list
// reads 04/05 山田, 04/10 鈴木, 04/12 佐藤, 04/20 田中, 05/01 山田, 年5月1日メーデー.
const char8_t* const kYotei =
    u8"2001,2001,04,10,,,[鈴木出張]\r\n"
    u8"2001,2001,04,05,,,[山田年休]\r\n"
    u8"2001,2001,05,01,,,[山田出張]\r\n"
    u8"2001,2001,04,20,,,[田中午前半休]\r\n"
    u8"2001,2001,04,12,,,[佐藤年休]\r\n"
    u8",,5,1,,,メーデー\r\n";

std::string Without(const std::string& text, const std::string& line) {
    const std::size_t at = text.find(line);
    return at == std::string::npos ? text : text.substr(0, at) + text.substr(at + line.size());
}

// Where all three views are, as y-m-d.
std::string Views(TForm1& f) {
    auto ymd = [](TCustomCalendarEx* c) {
        return std::to_string(c->Year()) + "-" + std::to_string(c->Month()) + "-" + std::to_string(c->Day());
    };
    return ymd(f.MonthlyCalendar1) + " " + ymd(f.WeeklyCalendar1) + " " + ymd(f.DailyCalendar1);
}

// A double click as the mouse makes it: a click, then the second press (a
// double-click event) and its release.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// The middle of a list line, on the shown window.
QPoint LinePoint(TProListBox* list, int row) {
    QWidget* window = list->window();
    if (!window->isVisible()) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    return list->visualItemRect(list->item(row)).center();
}

TEST_F(ListCommands, DeleteLocallyRewritesTheFile) {
    // LF line ends: any save shows as CR LF.
    std::string yotei = S(kYotei);
    for (std::size_t at; (at = yotei.find("\r\n")) != std::string::npos;) yotei.erase(at, 1);
    Start(yotei, "");
    const std::string crlf = S(kYotei);

    // Nothing selected: nothing happens, not even a save.
    form->Delete1->trigger();
    EXPECT_EQ(File("yotei.dat"), yotei);

    form->ListBox1->SetItemIndex(0);
    QTest::mouseClick(form->ToolbarButton975, Qt::LeftButton);
    const std::string afterFirst = Without(crlf, S(u8"2001,2001,04,05,,,[山田年休]\r\n"));
    EXPECT_EQ(File("yotei.dat"), afterFirst);
    EXPECT_EQ(List().size(), 5u);
    EXPECT_EQ(List().front(), S(u8"2001年04月10日[鈴木出張]"));
    EXPECT_FALSE(form->MonthlyCalendar1->GetDayKinds(2001, 4, 5) & dkSpecialDay);
    ExpectViewsEqual();
    // No neighbour takes the selection: a second press deletes nothing more.
    EXPECT_EQ(form->ListBox1->ItemIndex(), -1);
    QTest::mouseClick(form->ToolbarButton975, Qt::LeftButton);
    EXPECT_EQ(List().size(), 5u);

    // The hand-written line maps back to nothing: only the save happens.
    WriteFileAtomic(tmp.File("yotei.dat"), "stale");
    form->ListBox1->SetItemIndex(4);
    form->Delete1->trigger();
    EXPECT_EQ(File("yotei.dat"), afterFirst);
    EXPECT_EQ(List().size(), 5u);
}

TEST_F(ListCommands, ModifyRemovesAtOnceAndApplyPutsTheNewVersionLast) {
    Start(S(kYotei), S(u8"山田\r\n"));
    const std::string old = S(u8"2001,2001,04,05,,,[山田年休]\r\n");
    const auto listBefore = List();
    script.Act([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("予定修正"));
        Activate();
        EXPECT_FALSE(entry->Button2->isEnabled());
        EXPECT_FALSE(entry->Label4->isEnabled());
        EXPECT_EQ(&entry->Button2->ShownGlyph(), &entry->Button2->Glyph3());
        EXPECT_FALSE(entry->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(entry->ComboBox1->currentText(), QString());
        EXPECT_EQ(entry->Edit1->text(), QStringLiteral("山田年休"));
        EXPECT_EQ(Picked(), "2001-04-05");
        // Out of the store and the list already; the file keeps it until a save.
        EXPECT_EQ(List().size(), 5u);
        EXPECT_EQ(Store(), Without(S(kYotei), old));
        EXPECT_EQ(File("yotei.dat"), S(kYotei));
        // No way out but apply.
        for (QWidget* box : {static_cast<QWidget*>(entry->ComboBox1), static_cast<QWidget*>(entry->Edit1),
                             static_cast<QWidget*>(entry->DateTimePicker1)})
            QTest::keyClick(box, Qt::Key_Escape);
        entry->Button2Click();
        entry->close();
        EXPECT_TRUE(entry->isVisible());
        Apply();
        EXPECT_FALSE(entry->isVisible());
    });
    // A double click on the line: its first click jumps, then modify opens.
    DoubleClick(form->ListBox1->viewport(), LinePoint(form->ListBox1, 0));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(Views(*form), "2001-4-5 2001-4-5 2001-4-5");
    EXPECT_EQ(List(), listBefore);
    EXPECT_EQ(File("yotei.dat"), Without(S(kYotei), old) + old);
    ExpectViewsEqual();

    // With a changed text and date, through the menu.
    form->ListBox1->SetItemIndex(0);
    script.Act([&](QDialog&) {
        entry->Edit1->setText(QStringLiteral("山田午後半休"));
        entry->DateTimePicker1->setDate(QDate(2001, 4, 6));
        Apply();
    });
    form->U1->trigger();
    EXPECT_EQ(File("yotei.dat"), Without(S(kYotei), old) + S(u8"2001,2001,04,06,,,[山田午後半休]\r\n"));
    EXPECT_EQ(List().front(), S(u8"2001年04月06日[山田午後半休]"));
}

TEST_F(ListCommands, ModifyWithNothingSelectedOpensNothing) {
    Start(S(kYotei), S(u8"山田\r\n"));
    QTest::mouseClick(form->ToolbarButton976, Qt::LeftButton);
    EXPECT_TRUE(script.Log().empty());
    EXPECT_TRUE(entry->ModifyMode());
    EXPECT_EQ(Store(), S(kYotei));
    // The next new entry opens in new-entry mode all the same.
    script.Act([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("予定入力"));
        EXPECT_TRUE(entry->Button2->isEnabled());
        EXPECT_TRUE(entry->Label4->isEnabled());
        EXPECT_TRUE(entry->windowFlags() & Qt::WindowCloseButtonHint);
        QTest::mouseClick(entry->Button2, Qt::LeftButton, {}, QPoint(30, 10));
        EXPECT_FALSE(entry->isVisible());
    });
    form->MonthlyCalendar1DblClick();
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(File("yotei.dat"), S(kYotei));
}

TEST_F(ListCommands, ClickOrKeyOnALineJumpsToItsDate) {
    Start(S(kYotei), "");
    QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, LinePoint(form->ListBox1, 2));
    EXPECT_EQ(Views(*form), "2001-4-12 2001-4-12 2001-4-12");
    form->ListBox1->setFocus();
    QTest::keyClick(form->ListBox1, Qt::Key_Down);
    EXPECT_EQ(form->ListBox1->ItemIndex(), 3);
    EXPECT_EQ(Views(*form), "2001-4-20 2001-4-20 2001-4-20");
    QTest::keyClick(form->ListBox1, Qt::Key_Down);
    EXPECT_EQ(Views(*form), "2001-5-1 2001-5-1 2001-5-1");
    EXPECT_EQ(form->Panel5->Caption(), QStringLiteral("2001年5月"));
}

// A hand-written line's date positions are no numbers: jump and modify report
// the conversion error and change nothing.
TEST_F(ListCommands, HandWrittenLineReportsTheConversionError) {
    Start(S(kYotei), "");
    const QString error = QStringLiteral("'年5\uFFFD' は整数ではありません");
    script.Press().Press();
    DoubleClick(form->ListBox1->viewport(), LinePoint(form->ListBox1, 5));
    EXPECT_EQ(script.Texts(), QStringList({error, error}));
    EXPECT_EQ(Views(*form), "2001-4-11 2001-4-11 2001-4-11");
    EXPECT_EQ(Store(), S(kYotei));
    EXPECT_EQ(List().size(), 6u);
    EXPECT_FALSE(entry->isVisible());
}

TEST_F(ListCommands, DoubleClickOnACalendarDayOpensANewEntryOnIt) {
    Start("", S(u8"山田\r\n"));
    TWeeklyCalendar* week = form->WeeklyCalendar1;
    QDate opened;
    script.Act([&](QDialog&) { opened = entry->DateTimePicker1->date(); });
    // The strip shows 8 to 14 April 2001 from Sunday; row 5 is Friday the 13th.
    DoubleClick(week, week->ClientRect().topLeft() + week->RowRect(5).center());
    EXPECT_EQ(opened, QDate(2001, 4, 13));
    EXPECT_EQ(Views(*form), "2001-4-13 2001-4-13 2001-4-13");

    TMonthlyCalendar* month = form->MonthlyCalendar1;
    script.Act([&](QDialog&) { opened = entry->DateTimePicker1->date(); });
    // Row 1 of the grid holds the last week of March; row 5 starts on Sunday
    // the 22nd of April, and its column 3 is the 25th.
    DoubleClick(month, month->ClientRect().topLeft() + month->CellRect(3, 5).center());
    EXPECT_EQ(opened, QDate(2001, 4, 25));
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(ListCommands, ListOnlyViewAndBackWithoutTheClock) {
    Start(S(kYotei), "");
    form->resize(TForm1::DesignWidth, TForm1::DesignHeight);
    Realign(form->Panel12);
    const QRect middle = form->Panel3->geometry();
    program->Form5().CheckBox2->setChecked(false);  // "Tokei" off
    DoubleClick(form->Panel4, QPoint(20, 8));
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_TRUE(form->Panel6->isHidden());
    Realign(form->Panel12);
    EXPECT_EQ(form->Panel3->geometry().left(), 0);
    EXPECT_EQ(form->Panel3->geometry().width(), form->Panel12->width());
    EXPECT_EQ(form->Panel3->geometry().bottom() + 1, form->StatusBar1->geometry().top());
    DoubleClick(form->Panel4, QPoint(20, 8));
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_TRUE(form->Panel6->isHidden());
    Realign(form->Panel12);
    EXPECT_EQ(form->Panel3->geometry().left(), middle.left());
    EXPECT_EQ(form->Panel3->geometry().height(), middle.height());
    EXPECT_GT(form->Panel3->geometry().width(), middle.width());  // the clock column's room too
}

// Network mode against the real server: the commands send, and the store
// changes only through what comes back.
struct NetworkListCommands : ScheduleFixture {
    void StartNetwork(const std::string& yotei) {
        ASSERT_TRUE(server.Start({"--gap-ms", "20"}));
        Start(yotei, S(u8"山田\r\n"), "[NetWork]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(server.Port) +
                                          "\r\nLocal=0\r\n");
        TTCPClient* link = form->TCPClient1;
        ASSERT_TRUE(WaitUntil([&] { return link->State() == TTCPClient::TState::Connected; }));
        watcher = std::make_unique<Client>(server.Port);
        ASSERT_TRUE(server.WaitForLog("(2 clients)"));
    }
    ~NetworkListCommands() override { program.reset(); }

    ServerProcess server;
    std::unique_ptr<Client> watcher;
};

TEST_F(NetworkListCommands, DeleteSendsThePositionAndChangesNothingUntilTheEcho) {
    StartNetwork(S(kYotei));
    form->ListBox1->SetItemIndex(3);
    form->Delete1->trigger();
    EXPECT_EQ(Store(), S(kYotei));
    EXPECT_EQ(List().size(), 6u);
    ASSERT_TRUE(watcher->WaitForReads(1));
    EXPECT_EQ(watcher->Reads, std::vector<std::string>{"1," + S(u8"2,3,2001,2001,04,20,,,[田中午前半休]")});
    // The echo takes the line out here too, and the file follows.
    ASSERT_TRUE(WaitUntil([&] { return List().size() == 5u; }));
    const std::string after = Without(S(kYotei), S(u8"2001,2001,04,20,,,[田中午前半休]\r\n"));
    EXPECT_EQ(Store(), after);
    EXPECT_EQ(File("yotei.dat"), after);
    ExpectViewsEqual();
}

TEST_F(NetworkListCommands, ApplySendsTheEntryAndClosesTheDialogTheEchoAddsIt) {
    StartNetwork(S(kYotei));
    const auto listBefore = List();
    script.Act([&](QDialog&) {
        Fill(QStringLiteral("山田"), QStringLiteral("年休"), QDate(2001, 4, 6));
        Apply();
        EXPECT_FALSE(entry->isVisible());
    });
    form->MonthlyCalendar1DblClick();
    EXPECT_EQ(List(), listBefore);
    EXPECT_EQ(Store(), S(kYotei));
    ASSERT_TRUE(watcher->WaitForReads(1));
    EXPECT_EQ(watcher->Reads, std::vector<std::string>{"1," + S(u8"1,,2001,2001,04,06,,,[山田年休]")});
    ASSERT_TRUE(WaitUntil([&] { return List().size() == listBefore.size() + 1; }));
    EXPECT_EQ(List()[1], S(u8"2001年04月06日[山田年休]"));
    EXPECT_EQ(File("yotei.dat"), S(kYotei) + S(u8"2001,2001,04,06,,,[山田年休]\r\n"));
    ExpectViewsEqual();
}

}  // namespace
