// Redrawing the three calendar views with a growing schedule, and parsing it.
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "calendar/CalEx.h"
#include "calendar/DayRules.h"
#include "platform/Sjis.h"

namespace {

// Schedule entry lines as the store writes them, spread over ten years
// (1996..2005) around the shown date.
std::vector<std::string> ScheduleLines(int count) {
    static const std::string people[] = {Sjis(u8"[山田年休]"), Sjis(u8"[鈴木出張]"), Sjis(u8"[佐藤半休]")};
    std::vector<std::string> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int year = 1996 + i % 10;
        const int month = 1 + (i / 10) % 12;
        const int day = 1 + (i / 120) % 28;
        char head[32];
        std::snprintf(head, sizeof head, "%d,%d,%02d,%02d,,,", year, year, month, day);
        lines.push_back(head + people[i % 3]);
    }
    return lines;
}

// A view set up as on the main window, on 2001-04-11, with the schedule.
template <class T>
std::unique_ptr<T> MakeView(int lines, int w, int h) {
    auto cal = std::make_unique<T>();
    cal->resize(w, h);
    cal->SetDate(2001, 4, 11);
    TStringList holidays;
    holidays.Assign(DefaultHolidayLines());
    cal->SetHolidayList(holidays);
    TStringList schedule;
    schedule.Assign(ScheduleLines(lines));
    cal->SetSpecialDayList(schedule);
    return cal;
}

void BM_MonthUpdateBuffer(benchmark::State& state) {
    auto cal = MakeView<TMonthlyCalendar>(static_cast<int>(state.range(0)), 213, 200);
    cal->SetShowNeighbor(true);
    cal->SetShowRokuyo(true);
    for (auto _ : state)
        cal->UpdateBuffer();
}
BENCHMARK(BM_MonthUpdateBuffer)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_WeekUpdateBuffer(benchmark::State& state) {
    auto cal = MakeView<TWeeklyCalendar>(static_cast<int>(state.range(0)), 640, 150);
    for (auto _ : state)
        cal->UpdateBuffer();
}
BENCHMARK(BM_WeekUpdateBuffer)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_DayUpdateBuffer(benchmark::State& state) {
    auto cal = MakeView<TDailyCalendar>(static_cast<int>(state.range(0)), 213, 200);
    for (auto _ : state)
        cal->UpdateBuffer();
}
BENCHMARK(BM_DayUpdateBuffer)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_ParseDayList(benchmark::State& state) {
    const auto lines = ScheduleLines(static_cast<int>(state.range(0)));
    TDayList items;
    for (auto _ : state) {
        ParseDayList(lines, items);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_ParseDayList)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One schedule entry added to a month view holding 10,000: re-parse and redraw.
void BM_MonthAddOneEntry(benchmark::State& state) {
    auto cal = MakeView<TMonthlyCalendar>(static_cast<int>(state.range(0)), 213, 200);
    const std::string line = Sjis(u8"2001,2001,04,12,,,[追加]");
    for (auto _ : state) {
        cal->SpecialDayList().Add(line);
        state.PauseTiming();
        cal->SpecialDayList().Delete(cal->SpecialDayList().Count() - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MonthAddOneEntry)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
