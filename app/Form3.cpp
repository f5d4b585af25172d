#include "app/Form3.h"

#include <QKeyEvent>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "calendar/Julius.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/MDIWallpaper.h"
#include "platform/RgnBtn.h"

TForm3::TForm3(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form3"));
    SetupFixedDialog(*this, QStringLiteral("ジャンプ"), 285, 67);

    MDIWallpaper1 = new TMDIWallpaper(this, QStringLiteral("MDIWallpaper1"));

    Label1 = new TLabel(this, QStringLiteral("Label1"), QStringLiteral("ジャンプ先日付は？"));
    Label1->move(8, 8);

    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setGeometry(8, 32, 186, 20);
    SetupDatePicker(*DateTimePicker1, QDate(100, 1, 1));
    DateTimePicker1->installEventFilter(this);

    Button1 = MakePushButton(this, QStringLiteral("Button1"), 216, 8, Label3, QStringLiteral("Label3"),
                             QStringLiteral("ｼﾞｬﾝﾌﾟ"));
    Button2 = MakePushButton(this, QStringLiteral("Button2"), 216, 40, Label2, QStringLiteral("Label2"),
                             QStringLiteral("ｷｬﾝｾﾙ"));
    connect(Button1, &TRgnBtn::clicked, this, &TForm3::Button1Click);
    connect(Button2, &TRgnBtn::clicked, this, &TForm3::Button2Click);
}

double TForm3::PickedDate() const { return DatePickerValue(*DateTimePicker1); }

// Dates before year 100 show as the picker's first day.
void TForm3::SetPickedDate(double value) { SetDatePickerValue(*DateTimePicker1, value); }

void TForm3::Button1Click() {
    FProgram.Form1().MonthlyCalendar1->SetJuliusDay(DateTimeToJulius(PickedDate()));
    accept();
}

void TForm3::Button2Click() { reject(); }

void TForm3::DateTimePicker1KeyDown(int& key) {
    if (key == 13)
        Button1Click();
    else if (key == 27)
        Button2Click();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DateTimePicker1 && event->type() == QEvent::KeyPress) {
        const int qtKey = static_cast<QKeyEvent*>(event)->key();
        int key = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter ? 13 : qtKey == Qt::Key_Escape ? 27 : 0;
        if (key) {
            DateTimePicker1KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
