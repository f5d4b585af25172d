// The main window's activation and close sequences, the tray menu's exit,
// the fortune panel and a start with a schedule file the calendars cannot
// wholly read.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

#include "app/Form1.h"
#include "app/Fortune.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/Controls.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/TCPClient.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"
#include "settings/IniFile.h"
#include "skins/Form4.h"
#include "tests/NetTestUtil.h"
#include "tests/TestUtil.h"

namespace {

const char* const kLocalIni = "[NetWork]\r\nLocal=1\r\n";

struct Sequences : ::testing::Test {
    Sequences() {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12) + milliseconds(4321)); });
    }
    ~Sequences() override {
        program.reset();
        SetClock({});
        EXPECT_TRUE(script.UnscriptedTexts.isEmpty()) << script.UnscriptedTexts.join('|').toStdString();
    }
    // A program in `folder` (the test's own by default), created, not yet activated.
    void Create(const TempFolder* folder = nullptr) {
        program = std::make_unique<TProgram>((folder ? folder : &tmp)->Path());
        form = &program->Form1();
        closed = 0;
        QObject::connect(form, &TForm1::Closed, [this] { ++closed; });
    }
    void CreateWithIni(const std::string& ini) {
        WriteFileAtomic(tmp.File("Kuralo.ini"), ini);
        Create();
    }
    std::string Ini(const TempFolder& folder) const { return ReadWholeFile(folder.File("Kuralo.ini")); }
    TForm5& Settings() const { return program->Form5(); }

    TempFolder tmp;
    TDialogScript script;
    std::unique_ptr<TProgram> program;
    TForm1* form = nullptr;
    int closed = 0;
};

TEST_F(Sequences, FirstStartShowsTheSettingsDialogAndGoesOnWithItsDefaults) {
    Create();
    struct {
        bool Shown = false, TitleButtons = true, PersonFile = false;
        QString Server, Port;
        bool Local = true;
    } seen;
    script.Act([&](QDialog& d) {
        seen.Shown = &d == &Settings() && d.isVisible();
        seen.TitleButtons = form->RgnBtn1->isVisibleTo(form);  // the activation waits for the dialog
        seen.PersonFile = FileExists(tmp.File("User.dat"));
        seen.Server = Settings().Edit1->text();
        seen.Port = Settings().Edit2->text();
        seen.Local = Settings().CheckBox1->isChecked();
        QTest::mouseClick(Settings().Label6, Qt::LeftButton);  // 終了: close without saving
    });
    form->FormActivate();
    TTCPClient* link = form->TCPClient1;
    const TTCPClient::TState state = link->State();
    link->Close();  // before any event: nothing listens on 901 here
    EXPECT_TRUE(seen.Shown);
    EXPECT_FALSE(seen.TitleButtons);
    EXPECT_TRUE(seen.PersonFile);
    EXPECT_EQ(seen.Server, "127.0.0.1");
    EXPECT_EQ(seen.Port, "901");
    EXPECT_FALSE(seen.Local);
    // Network mode with the dialog's defaults.
    EXPECT_NE(state, TTCPClient::TState::Idle);
    EXPECT_EQ(link->Host, "127.0.0.1");
    EXPECT_EQ(link->Port, "901");
    EXPECT_EQ(form->StatusBar1->PanelText(0), "");
    EXPECT_EQ(ReadWholeFile(tmp.File("User.dat")), "");
    EXPECT_FALSE(FileExists(tmp.File("Kuralo.ini")));
    EXPECT_TRUE(form->RgnBtn1->isVisibleTo(form));
    EXPECT_TRUE(form->Panel6->isVisibleTo(form));
    EXPECT_TRUE(form->MonthlyCalendar1->ShowRokuyo());

    // Closed without saving: the first write is the exit's.
    form->move(70, 80);
    form->close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Ini(tmp), "[Skin]\r\nPath=Default\r\n[Window]\r\nPos.X=70\r\nPos.Y=80\r\n");
}

TEST_F(Sequences, ActivationRunsOnceAfterTheFirstShow) {
    CreateWithIni(kLocalIni);
    WriteFileAtomic(tmp.File("User.dat"), S(u8"山田\r\n"));
    EXPECT_FALSE(form->Activated());
    form->show();
    ASSERT_TRUE(WaitUntil([&] { return form->Activated(); }));
    EXPECT_EQ(form->StatusBar1->PanelText(0), "ローカルで利用します。");
    EXPECT_EQ(ReadWholeFile(tmp.File("User.dat")), S(u8"山田\r\n"));  // an existing person list stays
    form->Panel9->SetCaption("x");
    form->hide();
    form->show();
    form->FormActivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Panel9->Caption(), "x");
}

TEST_F(Sequences, AStartWithSettingsTakesThePositionAndEverySetting) {
    CreateWithIni("[NetWork]\r\nServer=srv.example\r\nLocal=1\r\nTokei=0\r\nRokuyou=0\r\nSkin=1\r\nSkinPath=" +
                  S(u8"/tmp/スキン") + "\r\n[Tansyuku]\r\n1=" + S(u8"休暇") + "\r\n[Window]\r\nPos.X=-20\r\nPos.Y=33\r\n");
    form->FormActivate();
    EXPECT_EQ(script.Log().size(), 0u);
    EXPECT_EQ(form->pos(), QPoint(-20, 33));  // nothing clamps it
    EXPECT_EQ(Settings().Edit1->text(), "srv.example");
    EXPECT_EQ(Settings().Edit2->text(), "901");  // missing: the control's value
    EXPECT_TRUE(Settings().CheckBox1->isChecked());
    EXPECT_FALSE(Settings().CheckBox2->isChecked());
    EXPECT_FALSE(Settings().CheckBox3->isChecked());
    EXPECT_TRUE(Settings().CheckBox4->isChecked());
    EXPECT_EQ(Settings().Edit3->text(), "/tmp/スキン");
    EXPECT_EQ(Settings().Edit4->text(), "休暇");
    EXPECT_EQ(Settings().Edit5->text(), "午前半休");
    EXPECT_FALSE(form->MonthlyCalendar1->ShowRokuyo());
    EXPECT_EQ(form->StatusBar1->PanelText(0), "ローカルで利用します。");
    EXPECT_EQ(form->TCPClient1->State(), TTCPClient::TState::Idle);
    // The clock column is hidden and the list widens into its place; the
    // fortune is drawn all the same.
    EXPECT_TRUE(form->Panel6->isHidden());
    Realign(form->Panel12);
    EXPECT_EQ(form->Panel3->geometry().right(), form->Panel12->width() - 1);
    EXPECT_FALSE(form->Panel9->Caption().isEmpty());
}

TEST_F(Sequences, CloseWritesSkinAndPositionAndTheNextStartUsesThem) {
    CreateWithIni(kLocalIni);
    form->FormActivate();
    form->move(50, 60);
    form->RgnBtn2Click();  // rolled up to the title
    ASSERT_EQ(form->height(), 23);
    program->Form4().ComboBox1->setEditText("Night");
    form->close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Ini(tmp), "[NetWork]\r\nLocal=1\r\n[Skin]\r\nPath=Night\r\n[Window]\r\nPos.X=50\r\nPos.Y=60\r\n");

    Create();
    form->FormActivate();
    EXPECT_EQ(form->pos(), QPoint(50, 60));
    EXPECT_EQ(form->height(), 423);  // the full window, not the rolled-up one
}

TEST_F(Sequences, TheTrayExitWritesTwiceWithTheSameResultAsOneClose) {
    TempFolder other;
    std::string written[2];
    for (int way = 0; way < 2; ++way) {
        const TempFolder& folder = way ? other : tmp;
        WriteFileAtomic(folder.File("Kuralo.ini"), kLocalIni);
        Create(&folder);
        form->FormActivate();
        form->move(12, 34);
        program->Form4().ComboBox1->setEditText("Spring");
        if (way == 0)
            form->Exit1->trigger();
        else
            form->close();
        EXPECT_EQ(closed, 1);
        written[way] = Ini(folder);
    }
    EXPECT_EQ(written[0], written[1]);
    EXPECT_EQ(TIniGT(tmp.File("Kuralo.ini")).ReadInteger("Window", "Pos.Y", 0), 34);
}

TEST_F(Sequences, AFailedWriteAtExitIsShownAndTheProgramStillEnds) {
    for (bool byExit : {false, true}) {
        SCOPED_TRACE(byExit ? "exit" : "close");
        CreateWithIni(kLocalIni);
        form->FormActivate();
        ASSERT_EQ(::chmod(tmp.File("Kuralo.ini").c_str(), 0444), 0);
        const auto shown = script.Log().size();
        script.Press();
        if (byExit)
            form->Exit1->trigger();
        else
            form->close();
        EXPECT_EQ(closed, 1);
        // One error box, even when the exit command writes first.
        ASSERT_EQ(script.Log().size(), shown + 1);
        EXPECT_EQ(script.Log().back().Text, QString::fromStdString(tmp.File("Kuralo.ini") + " に書き込めません"));
        EXPECT_EQ(Ini(tmp), kLocalIni);
        ::chmod(tmp.File("Kuralo.ini").c_str(), 0644);
    }
}

TEST_F(Sequences, TheFortunePanelShowsTheWordAndOneRowOfTheMessage) {
    CreateWithIni(kLocalIni);
    form->FormActivate();
    TFortune expected;
    EXPECT_EQ(form->Panel9->Caption().toStdString(), expected.DrawWord());
    // The clock stands still: the three draws give one row.
    expected.Randomize();
    const uint32_t row = expected.Random(15);
    script.Press();
    QTest::mouseDClick(form->Panel9, Qt::LeftButton, {}, QPoint(40, 60));
    ASSERT_EQ(script.Texts().size(), 1);
    EXPECT_EQ(script.Texts()[0].toStdString(), FortuneMessage(row, row, row));
    // Its header has no double click of its own.
    QTest::mouseDClick(form->Panel10, Qt::LeftButton, {}, QPoint(40, 8));
    EXPECT_EQ(script.Texts().size(), 1);
}

TEST_F(Sequences, AScheduleLineThatDoesNotReadIsReportedAndNeverLost) {
    const std::string a = MakeEntryLine(2001, 4, 5, "A"), bad = "2001,2001,04,xx,,,[bad]",
                      b = MakeEntryLine(2001, 4, 20, "B"), c = MakeEntryLine(2001, 4, 25, "C");
    WriteFileAtomic(tmp.File("yotei.dat"), a + "\r\n" + bad + "\r\n" + b + "\r\n");
    CreateWithIni(kLocalIni);
    script.Press();
    form->FormActivate();
    ASSERT_EQ(script.Texts().size(), 1);
    EXPECT_TRUE(script.Texts()[0].startsWith("yotei.dat の 2 行目を読めません（'xx' は整数ではありません）"))
        << script.Texts()[0].toStdString();
    auto views = [&] {
        return std::vector<std::string>{form->MonthlyCalendar1->SpecialDayList().Text(),
                                        form->WeeklyCalendar1->SpecialDayList().Text(),
                                        form->DailyCalendar1->SpecialDayList().Text()};
    };
    EXPECT_EQ(views(), std::vector<std::string>(3, a + "\r\n" + bad + "\r\n" + b + "\r\n"));
    EXPECT_EQ(form->ListBox1->Count(), 3);
    // The calendars show what comes before the line they stop at, all three of them.
    for (TCustomCalendarEx* view : std::initializer_list<TCustomCalendarEx*>{
             form->MonthlyCalendar1, form->WeeklyCalendar1, form->DailyCalendar1})
        EXPECT_TRUE(view->GetDayKinds(2001, 4, 5) & dkSpecialDay) << view->objectName().toStdString();

    // Later changes keep every line, in the views, the list and the file.
    form->AddEntryLine(c);
    form->SaveSchedule();
    EXPECT_EQ(ReadWholeFile(tmp.File("yotei.dat")), a + "\r\n" + bad + "\r\n" + b + "\r\n" + c + "\r\n");
    EXPECT_EQ(form->ListBox1->Count(), 4);
    ASSERT_TRUE(form->RemoveByListLine(form->ListBox1->Strings(0), 0));  // A
    form->SaveSchedule();
    const std::string rest = bad + "\r\n" + b + "\r\n" + c + "\r\n";
    EXPECT_EQ(ReadWholeFile(tmp.File("yotei.dat")), rest);
    EXPECT_EQ(views(), std::vector<std::string>(3, rest));
    EXPECT_EQ(form->ListBox1->Count(), 3);
    EXPECT_EQ(script.Texts().size(), 1);  // reported once, at the start
}

}  // namespace
