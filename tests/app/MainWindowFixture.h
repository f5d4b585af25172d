#pragma once
// A program in a temporary folder with the clock fixed on 2001-04-11, its
// main window created and activated, and a dialog script in force. Its
// settings file says "work locally", so the activation opens no dialog and no
// connection.
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
#include "platform/IconTray.h"
#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/Toolbar97.h"
#include "tests/TestUtil.h"

struct MainWindowFixture : ::testing::Test {
    MainWindowFixture() {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12)); });
        WriteFileAtomic(tmp.File("Kuralo.ini"), "[NetWork]\r\nLocal=1\r\n");
        program = std::make_unique<TProgram>(tmp.Path());
        form = &program->Form1();
        form->FormActivate();
    }
    ~MainWindowFixture() override {
        program.reset();
        SetClock({});
        TIconTray::SetAvailableForTesting({});
    }

    // Where all three views are, as y-m-d.
    std::string Views() const {
        auto ymd = [](TCustomCalendarEx* c) {
            return std::to_string(c->Year()) + "-" + std::to_string(c->Month()) + "-" + std::to_string(c->Day());
        };
        return ymd(form->MonthlyCalendar1) + " " + ymd(form->WeeklyCalendar1) + " " + ymd(form->DailyCalendar1);
    }
    static std::string Same(const std::string& ymd) { return ymd + " " + ymd + " " + ymd; }
    QString Caption() const { return form->Panel5->Caption(); }

    TempFolder tmp;
    TDialogScript script;
    std::unique_ptr<TProgram> program;
    TForm1* form = nullptr;
};
