// The program with a growing schedule: from creating the program to its
// first painted, activated main window; and one add and one remove (store,
// three calendars, list, file).
#include <QApplication>
#include <algorithm>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include "app/Form1.h"
#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "platform/Sjis.h"
#include "schedule/EntryLine.h"

namespace {

// A program folder in local mode with `count` entries in yotei.dat, spread
// over ten years around 2001.
class ProgramFolder {
public:
    explicit ProgramFolder(int count) {
        const std::string people[] = {Sjis(u8"山田年休"), Sjis(u8"鈴木出張"), Sjis(u8"佐藤午前半休")};
        std::string yotei;
        for (int i = 0; i < count; ++i)
            yotei += MakeEntryLine(1996 + i % 10, 1 + (i / 10) % 12, 1 + (i / 120) % 28, people[i % 3]) + "\r\n";
        WriteFileAtomic(File("yotei.dat"), yotei);
        WriteFileAtomic(File("Kuralo.ini"), "[NetWork]\r\nLocal=1\r\n");
    }
    std::string Path() const { return Dir.path().toStdString(); }
    std::string File(const char* name) const { return PathJoin(Path(), name); }

private:
    QTemporaryDir Dir;
};

// Notes the first paint of anything in the window it watches (the window
// itself lies under its panels and may get none).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window) : Window(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool Painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &Window)
            Painted = true;
        return false;
    }

private:
    QWidget& Window;
};

void BM_StartToFirstPaint(benchmark::State& state) {
    ProgramFolder folder(static_cast<int>(state.range(0)));
    TDialogScript noDialogs;
    for (auto _ : state) {
        auto program = std::make_unique<TProgram>(folder.Path());
        TForm1& form = program->Form1();
        PaintWatch watch(form);
        form.show();
        while (!form.Activated() || !watch.Painted) QCoreApplication::processEvents();
        QCoreApplication::processEvents();  // the rest of that paint pass
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
    if (!noDialogs.Log().empty()) state.SkipWithError("a dialog was shown");
}
BENCHMARK(BM_StartToFirstPaint)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A started program with the schedule, shown, as the user works with it.
struct StartedProgram {
    explicit StartedProgram(int count) : Folder(count), Program(Folder.Path()) {
        Form().show();
        while (!Form().Activated()) QCoreApplication::processEvents();
    }
    TForm1& Form() { return Program.Form1(); }
    ProgramFolder Folder;
    TDialogScript NoDialogs;
    TProgram Program;
};

const std::string& NewEntry() {
    static const std::string entry = MakeEntryLine(2001, 4, 5, Sjis(u8"山田年休"));
    return entry;
}

void BM_AddEntry(benchmark::State& state) {
    StartedProgram p(static_cast<int>(state.range(0)));
    TForm1& form = p.Form();
    for (auto _ : state) {
        form.AddEntryLine(NewEntry());
        form.SaveSchedule();
        state.PauseTiming();
        form.RemoveEntryLine(NewEntry());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddEntry)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RemoveEntry(benchmark::State& state) {
    StartedProgram p(static_cast<int>(state.range(0)));
    TForm1& form = p.Form();
    for (auto _ : state) {
        state.PauseTiming();
        form.AddEntryLine(NewEntry());
        const auto& lines = form.ListBox1->Lines();
        const int position =
            static_cast<int>(std::find(lines.begin(), lines.end(), *ListLineOf(NewEntry())) - lines.begin());
        state.ResumeTiming();
        form.RemoveByListLine(form.ListBox1->Strings(position), position);
        form.SaveSchedule();
    }
}
BENCHMARK(BM_RemoveEntry)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
