// The list commands of the main window: new entry, modify, delete, jump to
// an entry's date, and the list-only view.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "calendar/Julius.h"
#include "net/Messages.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/ProListBox.h"
#include "platform/SjisQt.h"
#include "platform/TCPClient.h"
#include "platform/Toolbar97.h"
#include "schedule/EntryLine.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"

void TForm1::ConnectListCommands() {
    MonthlyCalendar1->OnDblClick = [this](QObject*) { MonthlyCalendar1DblClick(); };
    WeeklyCalendar1->OnDblClick = [this](QObject*) { MonthlyCalendar1DblClick(); };
    connect(ListBox1, &TProListBox::lineClicked, this, &TForm1::N1Click);
    connect(ListBox1, &QAbstractItemView::doubleClicked, this, &TForm1::U1Click);
    connect(N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(Delete1, &QAction::triggered, this, &TForm1::Delete1Click);
    connect(U1, &QAction::triggered, this, &TForm1::U1Click);
    connect(Panel4, &TPanel::doubleClicked, this, &TForm1::Panel4DblClick);
    connect(ToolbarButton974, &QToolButton::clicked, this, &TForm1::ToolbarButton974Click);
    connect(ToolbarButton975, &QToolButton::clicked, this, &TForm1::ToolbarButton975Click);
    connect(ToolbarButton976, &QToolButton::clicked, this, &TForm1::ToolbarButton976Click);
}

void TForm1::MonthlyCalendar1DblClick() {
    TForm2& entry = Program().Form2();
    entry.setWindowTitle(QStringLiteral("予定入力"));
    // The list as it stands: the dialog reloads it from User.dat only when
    // it opens, so the first new entry of a run starts with no name.
    entry.ComboBox1->setEditText(entry.FirstPerson());
    entry.Edit1->clear();
    entry.SetPickedDate(JuliusToDateTime(MonthlyCalendar1->JuliusDay()));
    entry.SetNewEntryMode();
    ShowModal(entry);
}

void TForm1::U1Click() {
    TForm2& entry = Program().Form2();
    entry.SetModifyMode();
    entry.setWindowTitle(QStringLiteral("予定修正"));
    entry.ComboBox1->setEditText(QString());
    const int position = ListBox1->ItemIndex();
    if (position < 0) return;
    const std::string listLine = ListBox1->Strings(position);
    // Everything that can fail comes before the entry leaves the store.
    const TListLineDate date = ListLineDate(listLine);
    const double picked = EncodeDate(date.Year, date.Month, date.Day);
    entry.Edit1->setText(SjisToQString(ListLineContent(listLine)));
    entry.SetPickedDate(picked);
    RemoveByListLine(listLine, position);
    ShowModal(entry);
}

void TForm1::Delete1Click() {
    const int position = ListBox1->ItemIndex();
    if (position < 0) return;
    const std::string listLine = ListBox1->Strings(position);
    if (LocalMode()) {
        RemoveByListLine(listLine, position);
        SaveSchedule();
    } else {
        // The store changes when the server's echo comes back.
        TCPClient1->SendText(DeleteMessage(position, EntryLineOfListLine(listLine)));
    }
}

void TForm1::N1Click() {
    const int position = ListBox1->ItemIndex();
    if (position < 0) return;
    const TListLineDate date = ListLineDate(ListBox1->Strings(position));
    MonthlyCalendar1->SetJuliusDay(
        DateToJulius(date.Year, static_cast<uint8_t>(date.Month), static_cast<uint8_t>(date.Day)));
    FollowMonthView();
}

void TForm1::Panel4DblClick() {
    if (!Panel1->isHidden()) {
        Panel1->hide();
        Panel2->hide();
        Panel6->hide();
    } else {
        Panel1->show();
        Panel2->show();
        Panel6->setVisible(Program().Form5().CheckBox2->isChecked());
    }
}
