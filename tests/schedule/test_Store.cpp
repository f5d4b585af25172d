// The schedule store on the main window: load, list fill, add, remove, save.
#include "platform/Files.h"
#include "schedule/EntryLine.h"
#include "tests/app/MainWindowFixture.h"

namespace {

struct StoreFixture : ::testing::Test {
    // A program whose folder holds `yotei` as its yotei.dat before creation.
    void Start(const std::string& yotei) {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12)); });
        WriteFileAtomic(tmp.File("yotei.dat"), yotei);
        program = std::make_unique<TProgram>(tmp.Path());
        form = &program->Form1();
    }
    ~StoreFixture() override {
        program.reset();
        SetClock({});
    }
    std::string File() const { return ReadWholeFile(tmp.File("yotei.dat")); }
    std::vector<std::string> Views() const {
        return {form->MonthlyCalendar1->SpecialDayList().Text(), form->WeeklyCalendar1->SpecialDayList().Text(),
                form->DailyCalendar1->SpecialDayList().Text()};
    }

    TempFolder tmp;
    TDialogScript script;
    std::unique_ptr<TProgram> program;
    TForm1* form = nullptr;
};

}  // namespace

TEST_F(StoreFixture, LoadFillsAllViewsAndTheSortedList) {
    const std::string yotei = S(u8"2001,2001,04,10,,,[鈴木出張]\r\n2001,2001,04,05,,,[山田年休]\n,,5,1,,,メーデー\r\n");
    Start(yotei);
    const std::string text = S(u8"2001,2001,04,10,,,[鈴木出張]\r\n2001,2001,04,05,,,[山田年休]\r\n,,5,1,,,メーデー\r\n");
    EXPECT_EQ(Views(), std::vector<std::string>(3, text));
    EXPECT_EQ(form->ListBox1->Lines(),
              (std::vector<std::string>{S(u8"2001年04月05日[山田年休]"), S(u8"2001年04月10日[鈴木出張]"),
                                        S(u8"年5月1日メーデー")}));
    EXPECT_TRUE(form->MonthlyCalendar1->GetDayKinds(2001, 4, 5) & dkSpecialDay);
    EXPECT_TRUE(form->MonthlyCalendar1->GetDayKinds(2002, 5, 1) & dkSpecialDay);
}

TEST_F(StoreFixture, AddRemoveAndSaveAreByteExact) {
    Start(S(u8"2001,2001,04,10,,,[鈴木出張]\r\n"));
    const std::string line = MakeEntryLine(2001, 4, 5, S(u8"山田年休"));
    form->AddEntryLine(line);
    form->AddEntryLine(line);  // identical entries are two lines
    form->SaveSchedule();
    EXPECT_EQ(File(), S(u8"2001,2001,04,10,,,[鈴木出張]\r\n") + line + "\r\n" + line + "\r\n");
    EXPECT_EQ(form->ListBox1->Count(), 3);
    EXPECT_EQ(form->ListBox1->Strings(0), S(u8"2001年04月05日[山田年休]"));

    // Removing one list line removes one store line, in all three views.
    EXPECT_TRUE(form->RemoveByListLine(form->ListBox1->Strings(1), 1));
    EXPECT_EQ(form->ListBox1->Count(), 2);
    EXPECT_EQ(Views(), std::vector<std::string>(3, S(u8"2001,2001,04,10,,,[鈴木出張]\r\n") + line + "\r\n"));

    // A hand-written line that does not map back changes nothing.
    form->AddEntryLine(S(u8",,5,1,,,メーデー"));
    const auto before = Views();
    const int index = form->ListBox1->Count() - 1;
    EXPECT_FALSE(form->RemoveByListLine(form->ListBox1->Strings(index), index));
    EXPECT_EQ(Views(), before);
    EXPECT_EQ(form->ListBox1->Count(), 3);

    // Deleting every entry leaves an empty file.
    while (form->ListBox1->Count() > 1) form->RemoveByListLine(form->ListBox1->Strings(0), 0);
    form->MonthlyCalendar1->SpecialDayList().Clear();
    form->SaveSchedule();
    EXPECT_EQ(File(), "");
}

TEST_F(StoreFixture, CaseOnlyDifferencesRemoveTheFirstStoreLine) {
    Start("2001,2001,04,05,,,[abc]\r\n2001,2001,04,05,,,[ABC]\r\n");
    const int pos = 1;
    EXPECT_TRUE(form->RemoveByListLine(form->ListBox1->Strings(pos), pos));
    EXPECT_EQ(form->MonthlyCalendar1->SpecialDayList().Text(), "2001,2001,04,05,,,[ABC]\r\n");
}
