// The main window's activation and close sequences, the tray menu's exit and
// the fortune panel: what ties the settings, the server link and the skin to
// the main window at start and at the end of a run.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/RgnBtn.h"
#include "platform/SjisQt.h"
#include "platform/TCPClient.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "settings/Settings.h"
#include "skins/Form4.h"

void TForm1::FormActivate() {
    if (FActivated) return;
    FActivated = true;
    TForm5& settings = FProgram.Form5();

    // A schedule file the calendars could not wholly read was loaded all the
    // same; say so now that the window is there.
    if (!FLoadError.isEmpty()) ShowErrorBox(FLoadError);

    // 1. The person list's file: the entry dialog's list is still empty here.
    if (!FileExists(FProgram.FileName("User.dat"))) FProgram.Form2().SavePersonList();

    // 2. The settings, or the settings dialog when there is no file yet.
    if (FileExists(IniGT1.FileName())) {
        TSettingsValues v;
        settings.GetSettings(v);
        v.Left = x();
        v.Top = y();
        LoadSettings(IniGT1, v);
        move(v.Left, v.Top);
        settings.SetSettings(v);
        MonthlyCalendar1->SetShowRokuyo(settings.CheckBox3->isChecked());
        FProgram.Form4().ApplyColours();
    } else {
        ShowModal(settings);
    }

    // 3. Local work, or the server link (the status text follows at connect).
    if (LocalMode()) {
        StatusBar1->SetPanelText(0, QStringLiteral("ローカルで利用します。"));
    } else {
        TCPClient1->Host = QStringToSjis(settings.Edit1->text());
        TCPClient1->Port = QStringToSjis(settings.Edit2->text());
        TCPClient1->Open();
    }

    // 4. to 8.
    PlaceControls();
    Panel9->SetCaption(QString::fromStdString(Fortune1.DrawWord()));
    FProgram.Form4().ApplySavedSkinAtStart();
    Panel6->setVisible(settings.CheckBox2->isChecked());
    RgnBtn1->show();
    RgnBtn2->show();
    RgnBtn3->show();
}

bool TForm1::WriteExitSettings() {
    TSettingsValues v;
    v.SkinName = QStringToSjis(FProgram.Form4().ComboBox1->currentText());
    v.Left = x();
    v.Top = y();
    try {
        SaveExitSettings(IniGT1, v);
    } catch (const Exception& e) {
        // Shown, not hidden; the program must still be able to end.
        ShowErrorBox(QString::fromStdString(e.Message()));
        return false;
    }
    return true;
}

void TForm1::FormClose() {
    if (!LocalMode() && TCPClient1) TCPClient1->Close();
    if (FExitWritesFailed) return;  // the exit command has just reported the failure
    WriteExitSettings();
}

void TForm1::Exit1Click() {
    if (!LocalMode()) TCPClient1->Close();
    FExitWritesFailed = !WriteExitSettings();
    close();
}

void TForm1::FormDestroy() {
    delete TCPClient1;
    TCPClient1 = nullptr;
}

void TForm1::Panel9DblClick() { ShowMessage(QString::fromStdString(Fortune1.DrawMessage())); }
