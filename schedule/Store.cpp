// The schedule store on the main window: the month view's special-day list is
// the store, the week and day views hold copies, ListBox1 shows the list lines.
#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"

#include <QCheckBox>

namespace {

const char* const kScheduleFile = "yotei.dat";

// Runs a change of a view's rule list. The view re-reads its rules at once
// and stops at a line whose numbers do not read, raising the conversion error;
// the list itself keeps every line. The operation goes on past it, so that
// the store, the views and the list stay equal and nothing is lost at the
// next save. Such a line is reported where it enters the store (the load, a
// received message).
template <class Change>
void Tolerating(Change&& change) {
    try {
        change();
    } catch (const EConvertError&) {
    }
}

}  // namespace

void TForm1::LoadSchedule() {
    const std::string path = Program().FileName(kScheduleFile);
    bool unreadable = false;
    if (FileExists(path)) {
        TStringList lines;
        try {
            lines.LoadFromFile(path);
        } catch (const Exception& e) {
            // This runs while the window is being made: the error waits for its activation.
            FLoadError = QString::fromStdString(e.Message());
        }
        try {
            MonthlyCalendar1->SetSpecialDayList(lines);
        } catch (const EConvertError&) {
            unreadable = true;
        }
    }
    CopyMonthToViews();
    FillList();
    if (unreadable)
        if (auto bad = FirstUnreadableLine(MonthlyCalendar1->SpecialDayList().Lines()))
            FLoadError = QString::fromStdString(UnreadableLineText(*bad));
}

void TForm1::CopyMonthToViews() {
    Tolerating([&] { WeeklyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList()); });
    Tolerating([&] { DailyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList()); });
}

// Removals are made in the week view's list, then copied to the other two.
void TForm1::DeleteStoreLine(int index) {
    TStringList& week = WeeklyCalendar1->SpecialDayList();
    Tolerating([&] { week.Delete(index); });
    Tolerating([&] { MonthlyCalendar1->SetSpecialDayList(week); });
    Tolerating([&] { DailyCalendar1->SetSpecialDayList(week); });
}

void TForm1::FillList() {
    for (const auto& line : ListLinesOf(MonthlyCalendar1->SpecialDayList().Lines()))
        ListBox1->Add(line);
}

void TForm1::AddEntryLine(const std::string& entryLine) {
    ListBox1->Clear();
    Tolerating([&] { MonthlyCalendar1->SpecialDayList().Add(entryLine); });
    CopyMonthToViews();
    FillList();
}

bool TForm1::RemoveByListLine(const std::string& listLine, int position) {
    const int index = FindEntryOfListLine(WeeklyCalendar1->SpecialDayList(), listLine);
    if (index < 0)
        return false;
    DeleteStoreLine(index);
    if (position >= 0 && position < ListBox1->Count())
        ListBox1->Delete(position);
    return true;
}

bool TForm1::RemoveEntryLine(const std::string& entryLine) {
    const int index = WeeklyCalendar1->SpecialDayList().IndexOf(entryLine);
    if (index < 0)
        return false;
    DeleteStoreLine(index);
    ListBox1->Clear();
    FillList();
    return true;
}

void TForm1::SaveSchedule() { MonthlyCalendar1->SpecialDayList().SaveToFile(Program().FileName(kScheduleFile)); }

bool TForm1::LocalMode() const { return Program().Form5().CheckBox1->isChecked(); }
