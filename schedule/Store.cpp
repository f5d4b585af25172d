// The schedule store on the main window: the month view's special-day list is
// the store, the week and day views hold copies, ListBox1 shows the list lines.
#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"

#include <QCheckBox>

namespace {

const char* const kScheduleFile = "yotei.dat";

}  // namespace

void TForm1::LoadSchedule() {
    const std::string path = Program().FileName(kScheduleFile);
    if (FileExists(path)) {
        TStringList lines;
        lines.LoadFromFile(path);
        MonthlyCalendar1->SetSpecialDayList(lines);
    }
    WeeklyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList());
    DailyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList());
    FillList();
}

void TForm1::FillList() {
    for (const auto& line : ListLinesOf(MonthlyCalendar1->SpecialDayList().Lines()))
        ListBox1->Add(line);
}

void TForm1::AddEntryLine(const std::string& entryLine) {
    ListBox1->Clear();
    MonthlyCalendar1->SpecialDayList().Add(entryLine);
    WeeklyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList());
    DailyCalendar1->SetSpecialDayList(MonthlyCalendar1->SpecialDayList());
    FillList();
}

bool TForm1::RemoveByListLine(const std::string& listLine, int position) {
    TStringList& week = WeeklyCalendar1->SpecialDayList();
    const int index = FindEntryOfListLine(week, listLine);
    if (index < 0)
        return false;
    week.Delete(index);
    MonthlyCalendar1->SetSpecialDayList(week);
    DailyCalendar1->SetSpecialDayList(week);
    if (position >= 0 && position < ListBox1->Count())
        ListBox1->Delete(position);
    return true;
}

void TForm1::SaveSchedule() { MonthlyCalendar1->SpecialDayList().SaveToFile(Program().FileName(kScheduleFile)); }

bool TForm1::LocalMode() const { return Program().Form5().CheckBox1->isChecked(); }
