// The entry dialog: opening, the person box and User.dat, the shortcut
// buttons, apply with its checks, and the close rules of the two modes.
#include <QAbstractItemView>
#include <QApplication>

#include "tests/schedule/ScheduleFixture.h"

namespace {

using EntryDialog = ScheduleFixture;

const char8_t* const kSuzukiTrip = u8"2001,2001,04,10,,,[鈴木出張]\r\n";

std::vector<std::string> Names(std::initializer_list<const char8_t*> names) {
    std::vector<std::string> out;
    for (const char8_t* n : names) out.push_back(S(n));
    return out;
}

TEST_F(EntryDialog, NewEntryWithAPickedNameAndAShortcut) {
    Start(S(kSuzukiTrip), S(u8"鈴木\r\n山田\r\n"));
    program->Form5().Edit5->setText(QStringLiteral("午前休"));
    script.Act([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("予定入力"));
        Activate();
        // The list was empty until this opening loaded it: no name yet.
        EXPECT_EQ(entry->ComboBox1->currentText(), QString());
        EXPECT_EQ(entry->PersonList(), Names({u8"鈴木", u8"山田"}));
        EXPECT_EQ(QApplication::focusWidget(), entry->ComboBox1);
        EXPECT_TRUE(entry->Button2->isEnabled());
        EXPECT_TRUE(entry->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(Picked(), "2001-04-11");
        EXPECT_EQ(entry->RgnBtn2->toolTip(), QStringLiteral("午前休"));
        EXPECT_EQ(entry->RgnBtn6->toolTip(), QStringLiteral("午後出張"));

        // Down opens the list; picking 山田 there moves it to the top.
        QTest::keyClick(entry->ComboBox1, Qt::Key_Down);
        ASSERT_TRUE(entry->ComboBox1->view()->isVisible());
        QTest::keyClick(entry->ComboBox1->view(), Qt::Key_Down);
        QTest::keyClick(entry->ComboBox1->view(), Qt::Key_Return);
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("山田"));
        EXPECT_EQ(entry->PersonList(), Names({u8"山田", u8"鈴木"}));

        // A shortcut replaces the content with the text the settings hold now.
        entry->Edit1->setText(QStringLiteral("何か"));
        QTest::mouseClick(entry->RgnBtn2, Qt::LeftButton, {}, QPoint(9, 10));
        EXPECT_EQ(entry->Edit1->text(), QStringLiteral("午前休"));
        program->Form5().Edit4->setText(QStringLiteral("年休"));
        QTest::mouseClick(entry->RgnBtn1, Qt::LeftButton, {}, QPoint(9, 10));
        EXPECT_EQ(entry->Edit1->text(), QStringLiteral("年休"));
        entry->DateTimePicker1->setDate(QDate(2001, 4, 5));
        QTest::mouseClick(entry->Label3, Qt::LeftButton);  // the caption "反映" acts as the button
        EXPECT_FALSE(entry->isVisible());
    });
    QTest::mouseClick(form->ToolbarButton974, Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(entry->result(), QDialog::Accepted);
    EXPECT_EQ(File("yotei.dat"), S(kSuzukiTrip) + S(u8"2001,2001,04,05,,,[山田年休]\r\n"));
    EXPECT_EQ(List(), Names({u8"2001年04月05日[山田年休]", u8"2001年04月10日[鈴木出張]"}));
    ExpectViewsEqual();
    EXPECT_TRUE(form->MonthlyCalendar1->GetDayKinds(2001, 4, 5) & dkSpecialDay);
    // The new order reaches User.dat only with the next save of the list.
    EXPECT_EQ(File("User.dat"), S(u8"鈴木\r\n山田\r\n"));

    // The next new entry opens with the list's first name, the last pick.
    // Without a name the entry's text is the content alone.
    script.Act([&](QDialog&) {
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("山田"));
        EXPECT_EQ(entry->Edit1->text(), QString());
        Fill(QString(), QStringLiteral("出張"), QDate(2001, 4, 20));
        Apply();
    });
    QTest::mouseClick(form->ToolbarButton974, Qt::LeftButton);
    EXPECT_EQ(File("yotei.dat"),
              S(kSuzukiTrip) + S(u8"2001,2001,04,05,,,[山田年休]\r\n2001,2001,04,20,,,[出張]\r\n"));
}

TEST_F(EntryDialog, ApplyRefusesWhatAnEntryLineCannotHold) {
    Start(S(kSuzukiTrip), "");
    const QString long250(250, QLatin1Char('x'));  // [山田 + 250 + ] is 256 bytes
    struct Case {
        const char* name;
        QString person, content, message, contentAfter;
    };
    const Case cases[] = {
        {"empty content", "山田", "", "内容が記述されてませんよ？", ""},
        {"space in the person", "山 田", "年休", "半角空白は使えません。", ""},
        {"comma before space", "山田", "a,b c", "\",\"記号は使えません。", ""},
        {"space before comma", "山田", "a b,c", "半角空白は使えません。", ""},
        {"tab", "山田", "a\tb", "半角空白は使えません。", ""},
        {"too long", "山田", long250, "内容が長すぎます。", long250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        script.Act([&](QDialog&) {
            Activate();
            Fill(c.person, c.content);
            Apply();
            EXPECT_TRUE(entry->isVisible());
            // The joined name goes with an emptied content box; the person box keeps it.
            EXPECT_EQ(entry->Edit1->text(), c.contentAfter);
            EXPECT_EQ(entry->ComboBox1->currentText(), c.person);
            if (c.content.isEmpty()) {
                EXPECT_EQ(QApplication::focusWidget(), entry->Edit1);
            }
        });
        script.Press();
        form->MonthlyCalendar1DblClick();
        EXPECT_EQ(script.Texts().back(), c.message);
        EXPECT_EQ(File("yotei.dat"), S(kSuzukiTrip));
        EXPECT_EQ(List().size(), 1u);
    }
}

// The longest text that is taken can be found again from its list line.
TEST_F(EntryDialog, LongestTextStaysDeletable) {
    Start("", "");
    const QString content(249, QLatin1Char('x'));
    script.Act([&](QDialog&) {
        Fill(QStringLiteral("山田"), content + "x");
        Apply();
        ASSERT_TRUE(entry->isVisible());
        EXPECT_EQ(entry->Edit1->text(), content + "x");
        entry->Edit1->backspace();
        Apply();
        EXPECT_FALSE(entry->isVisible());
    });
    script.Press();
    form->MonthlyCalendar1DblClick();
    const std::string line = "2001,2001,04,05,,,[" + S(u8"山田") + content.toStdString() + "]";
    EXPECT_EQ(File("yotei.dat"), line + "\r\n");
    form->ListBox1->SetItemIndex(0);
    form->Delete1->trigger();
    EXPECT_EQ(File("yotei.dat"), "");
    EXPECT_TRUE(List().empty());
}

TEST_F(EntryDialog, PersonListFollowsUserDat) {
    const std::string unshown = "\x85\x40";  // a name code page 932 has no character for
    const std::string users = S(u8"鈴木\r\nABE\r\n") + unshown + "\r\n";
    Start("", users);
    script.Act([&](QDialog&) {
        Activate();
        // A name already in the list in another case is not added; Enter
        // released moves on to the content box.
        QTest::keyClicks(entry->ComboBox1, "abe");
        QTest::keyClick(entry->ComboBox1, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), entry->Edit1);
        EXPECT_EQ(entry->PersonList(), (std::vector<std::string>{S(u8"鈴木"), "ABE", unshown}));
        EXPECT_EQ(File("User.dat"), users);
        // A new name reaches User.dat as soon as the box is left.
        entry->ComboBox1->setFocus();
        entry->ComboBox1->setEditText(QStringLiteral("田中"));
        QTest::keyClick(entry->ComboBox1, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), entry->ComboBox1);
        EXPECT_EQ(File("User.dat"), users + S(u8"田中\r\n"));
        // 削除 takes the name the box shows, written with the next save.
        entry->ComboBox1->setEditText(QStringLiteral("鈴木"));
        entry->Delete1->trigger();
        EXPECT_EQ(entry->ComboBox1->currentText(), QString());
        EXPECT_EQ(entry->PersonList().front(), "ABE");
        EXPECT_EQ(File("User.dat"), users + S(u8"田中\r\n"));
    });
    form->MonthlyCalendar1DblClick();
    // The next opening shows the first name of the list as it stood (ABE),
    // then reloads the file: the deletion that was never saved is undone.
    script.Act([&](QDialog&) {
        Activate();
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("ABE"));
        EXPECT_EQ(entry->PersonList().front(), S(u8"鈴木"));
        entry->Delete1->trigger();
        entry->ComboBox1->setEditText(QStringLiteral("佐藤"));
        entry->Edit1->setFocus();
    });
    form->MonthlyCalendar1DblClick();
    EXPECT_EQ(File("User.dat"), S(u8"鈴木\r\n") + unshown + "\r\n" + S(u8"田中\r\n佐藤\r\n"));
}

TEST_F(EntryDialog, MissingUserDatIsReportedAndTheListStays) {
    Start("", S(u8"山田\r\n"));
    script.Act([&](QDialog&) { EXPECT_EQ(entry->PersonList(), Names({u8"山田"})); });
    form->MonthlyCalendar1DblClick();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(tmp.File("User.dat"))));
    script.Press().Act([&](QDialog&) { EXPECT_EQ(entry->PersonList(), Names({u8"山田"})); });
    form->MonthlyCalendar1DblClick();
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(script.Log().size(), 3u);
    EXPECT_EQ(script.Log()[1].Kind, TDialogKind::Message);
    EXPECT_TRUE(script.Log()[1].Text.contains(QStringLiteral("User.dat"))) << script.Log()[1].Text.toStdString();
}

TEST_F(EntryDialog, EscapeClosesANewEntryFromEachBox) {
    Start(S(kSuzukiTrip), "");
    for (QWidget* box : {static_cast<QWidget*>(entry->ComboBox1), static_cast<QWidget*>(entry->Edit1),
                         static_cast<QWidget*>(entry->DateTimePicker1)}) {
        SCOPED_TRACE(box->objectName().toStdString());
        script.Act([&](QDialog&) {
            Activate();
            entry->Edit1->setText(QStringLiteral("年休"));
            QTest::keyClick(box, Qt::Key_Escape);
            EXPECT_FALSE(entry->isVisible());
        });
        form->MonthlyCalendar1DblClick();
        EXPECT_EQ(entry->result(), QDialog::Rejected);
    }
    EXPECT_EQ(File("yotei.dat"), S(kSuzukiTrip));
}

}  // namespace
