#include "app/Program.h"

#include <QApplication>

#include "app/Form1.h"
#include "app/Form3.h"
#include "platform/Files.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "settings/IniFile.h"
#include "skins/Form4.h"

TProgram::TProgram(std::string programFolder) : FProgramFolder(std::move(programFolder)) {
    FForm1 = std::make_unique<TForm1>(*this);
    FForm2 = std::make_unique<TForm2>(*this);
    FForm3 = std::make_unique<TForm3>(*this);
    FForm4 = std::make_unique<TForm4>(*this);
    FForm5 = std::make_unique<TForm5>(*this);
}

// The dialogs go first: the main window outlives every window that may reach it.
TProgram::~TProgram() {
    FForm5.reset();
    FForm4.reset();
    FForm3.reset();
    FForm2.reset();
    FForm1.reset();
}

std::string TProgram::FileName(std::string_view name) const { return PathJoin(FProgramFolder, name); }

std::string TProgram::IniFileName() const { return IniFileNameForProgram(FileName("kuralo")); }

int TProgram::Run() {
    // The program ends with the main window, not with its last visible
    // window: it may be hidden in the tray while a dialog closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(FForm1.get(), &TForm1::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    FForm1->show();
    return QApplication::exec();
}
