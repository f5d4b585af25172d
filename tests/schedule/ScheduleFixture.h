#pragma once
// A program in a temporary folder with the clock on 2001-04-11, given its
// yotei.dat, User.dat and Kuralo.ini before it starts, its main window
// activated and a dialog script in force; with helpers that act in the entry
// dialog as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/SjisQt.h"
#include "platform/TCPClient.h"
#include "platform/Toolbar97.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "tests/TestUtil.h"

inline const char* const kLocalIni = "[NetWork]\r\nLocal=1\r\n";

struct ScheduleFixture : ::testing::Test {
    // Writes the files (yotei.dat only when given) and starts the program.
    void Start(const std::string& yotei, const std::string& users, const std::string& ini = kLocalIni) {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12)); });
        if (!yotei.empty()) WriteFileAtomic(tmp.File("yotei.dat"), yotei);
        WriteFileAtomic(tmp.File("User.dat"), users);
        WriteFileAtomic(tmp.File("Kuralo.ini"), ini);
        program = std::make_unique<TProgram>(tmp.Path());
        form = &program->Form1();
        entry = &program->Form2();
        form->FormActivate();  // reads the settings; in network mode, connects
    }
    ~ScheduleFixture() override {
        program.reset();
        SetClock({});
    }
    void TearDown() override { EXPECT_TRUE(script.UnscriptedTexts.isEmpty()) << script.UnscriptedTexts.join('|').toStdString(); }

    std::string File(const char* name) const { return ReadWholeFile(tmp.File(name)); }
    const std::vector<std::string>& List() const { return form->ListBox1->Lines(); }
    std::string Store() const { return form->MonthlyCalendar1->SpecialDayList().Text(); }
    // The three views' lists, equal after every operation.
    void ExpectViewsEqual() const {
        EXPECT_EQ(form->WeeklyCalendar1->SpecialDayList().Text(), Store());
        EXPECT_EQ(form->DailyCalendar1->SpecialDayList().Text(), Store());
    }
    QString Picked() const { return entry->DateTimePicker1->date().toString(Qt::ISODate); }

    // The dialog as the user meets it: shown and active.
    void Activate() {
        entry->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(entry));
    }
    // Sets the person box, the content box and the date picker.
    void Fill(const QString& person, const QString& content, QDate date = QDate(2001, 4, 5)) {
        entry->ComboBox1->setEditText(person);
        entry->Edit1->setText(content);
        entry->DateTimePicker1->setDate(date);
    }
    void Apply() { QTest::mouseClick(entry->Button1, Qt::LeftButton, {}, QPoint(30, 10)); }

    TempFolder tmp;
    TDialogScript script;
    std::unique_ptr<TProgram> program;
    TForm1* form = nullptr;
    TForm2* entry = nullptr;
};
