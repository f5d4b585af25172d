#include "schedule/Form2.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "app/Form1.h"
#include "app/Program.h"
#include "net/Messages.h"
#include "platform/BuiltinImages.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/Dialogs.h"
#include "platform/MDIWallpaper.h"
#include "platform/RgnBtn.h"
#include "platform/SjisQt.h"
#include "platform/StringList.h"
#include "platform/TCPClient.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"

namespace {

const char* const kPersonFile = "User.dat";

// Each name keeps the bytes it was read with, so that a name code page 932
// cannot show still goes back into User.dat unchanged.
QByteArray NameBytes(const std::string& name) { return QByteArray(name.data(), static_cast<qsizetype>(name.size())); }

TLabel* MakeCaption(QWidget* parent, const char* name, const char* caption, int left, int top) {
    auto* label = new TLabel(parent, QString::fromLatin1(name), QString::fromUtf8(caption));
    label->move(left, top);
    return label;
}

}  // namespace

TForm2::TForm2(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form2"));
    SetupFixedDialog(*this, QStringLiteral("予定入力"), 340, 130);

    MDIWallpaper1 = new TMDIWallpaper(this, QStringLiteral("MDIWallpaper1"));

    Label5 = MakeCaption(this, "Label5", "人", 8, 8);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 24, 121, 20);
    ComboBox1->setEditable(true);
    // The list changes only by the rules below: Enter adds nothing, and no
    // completion fills in a longer name over a shorter one being typed.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    // Nor does a typed name that happens to be in the list count as picked
    // when the typing ends: only a pick from the drop-down list moves a name.
    QObject::disconnect(ComboBox1->lineEdit(), SIGNAL(editingFinished()), ComboBox1, nullptr);
    ComboBox1->installEventFilter(this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Delete1 = PopupMenu1->addAction(QStringLiteral("削除(&D)"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    ComboBox1->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ComboBox1->lineEdit(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ComboBox1->lineEdit()->mapToGlobal(at)); });

    Label6 = MakeCaption(this, "Label6", "短縮", 192, 8);
    TRgnBtn** shortcuts[] = {&RgnBtn1, &RgnBtn2, &RgnBtn3, &RgnBtn4, &RgnBtn5, &RgnBtn6};
    for (int n = 1; n <= 6; ++n) {
        auto* b = new TRgnBtn(this, QStringLiteral("RgnBtn%1").arg(n));
        b->setGeometry(192 + 24 * (n - 1), 24, 19, 21);
        const QImage normal = BuiltinImage(QStringLiteral("short%1.png").arg(n));
        b->SetGlyph(1, normal);
        b->SetGlyph(2, BuiltinImage(QStringLiteral("short%1b.png").arg(n)));
        b->SetRgnData(OutlineOfImage(normal));
        b->RefreshRgn();
        connect(b, &TRgnBtn::clicked, this, [this, n] { RgnBtnClick(n); });
        *shortcuts[n - 1] = b;
    }

    Label2 = MakeCaption(this, "Label2", "内容", 8, 48);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 64, 329, 20);
    Edit1->installEventFilter(this);

    Label1 = MakeCaption(this, "Label1", "予定日付", 8, 88);
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setGeometry(8, 104, 97, 17);
    // Four-digit years only: a list line maps back to its entry by fixed
    // byte positions that assume them.
    SetupDatePicker(*DateTimePicker1, QDate(1000, 1, 1));
    DateTimePicker1->installEventFilter(this);

    Button1 = MakePushButton(this, QStringLiteral("Button1"), 200, 104, Label3, QStringLiteral("Label3"),
                             QStringLiteral("反映"));
    Button2 = MakePushButton(this, QStringLiteral("Button2"), 272, 104, Label4, QStringLiteral("Label4"),
                             QStringLiteral("終了"));

    connect(Button1, &TRgnBtn::clicked, this, &TForm2::Button1Click);
    connect(Button2, &TRgnBtn::clicked, this, &TForm2::Button2Click);
    connect(ComboBox1, &QComboBox::activated, this, &TForm2::ComboBox1Click);
    connect(Delete1, &QAction::triggered, this, &TForm2::Delete1Click);
}

// ---- the person list ----

std::vector<std::string> TForm2::PersonList() const {
    std::vector<std::string> names;
    for (int i = 0; i < ComboBox1->count(); ++i) names.push_back(ComboBox1->itemData(i).toByteArray().toStdString());
    return names;
}

void TForm2::LoadPersonList() {
    TStringList lines;
    lines.LoadFromFile(FProgram.FileName(kPersonFile));
    const QString text = ComboBox1->currentText();
    ComboBox1->clear();
    for (const std::string& name : lines.Lines()) ComboBox1->addItem(SjisToQString(name), NameBytes(name));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(text);
}

void TForm2::SavePersonList() const {
    TStringList lines;
    lines.Assign(PersonList());
    lines.SaveToFile(FProgram.FileName(kPersonFile));
}

QString TForm2::FirstPerson() const { return ComboBox1->count() > 0 ? ComboBox1->itemText(0) : QString(); }

// ---- mode and date ----

void TForm2::SetNewEntryMode() {
    Button2->setEnabled(true);
    Label4->setEnabled(true);
    setWindowFlag(Qt::CustomizeWindowHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, true);
}

void TForm2::SetModifyMode() {
    Button2->setEnabled(false);
    Label4->setEnabled(false);
    // Only a customised frame leaves the close box out.
    setWindowFlag(Qt::CustomizeWindowHint, true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

bool TForm2::ModifyMode() const { return !Button2->isEnabled(); }

double TForm2::PickedDate() const { return DatePickerValue(*DateTimePicker1); }

void TForm2::SetPickedDate(double value) { SetDatePickerValue(*DateTimePicker1, value); }

// ---- handlers ----

void TForm2::FormActivate() {
    for (int n = 1; n <= 6; ++n) ShortcutButton(n)->setToolTip(ShortcutText(n));
    LoadPersonList();
    ComboBox1->setFocus();
}

void TForm2::Button1Click() {
    if (Edit1->text().isEmpty()) {
        ShowMessage(QStringLiteral("内容が記述されてませんよ？"));
        Edit1->setFocus();
        return;
    }
    const QString typed = Edit1->text();
    Edit1->setText(ComboBox1->currentText() + typed);
    const std::string text = QStringToSjis(Edit1->text());
    switch (CheckEntryText(text)) {
    case TEntryTextFault::Comma:
        ShowMessage(QStringLiteral("\",\"記号は使えません。"));
        Edit1->clear();
        return;
    case TEntryTextFault::Blank:
        ShowMessage(QStringLiteral("半角空白は使えません。"));
        Edit1->clear();
        return;
    case TEntryTextFault::TooLong:
        // Such an entry could never be found again from its list line, so
        // never deleted or modified: refused, and the text stays to be cut.
        Edit1->setText(typed);
        ShowMessage(QStringLiteral("内容が長すぎます。"));
        return;
    case TEntryTextFault::None:
        break;
    }
    const QDate date = DateTimePicker1->date();
    const std::string line = MakeEntryLine(date.year(), date.month(), date.day(), text);
    TForm1& main = FProgram.Form1();
    if (main.LocalMode()) {
        main.AddEntryLine(line);
        // Closed before the save: should the file fail, the entry is in the
        // store all the same and a second apply would only add it twice.
        accept();
        main.SaveSchedule();
    } else {
        main.TCPClient1->SendText(AddMessage(line));
        accept();
    }
}

void TForm2::Button2Click() {
    if (Button2->isEnabled()) reject();
}

void TForm2::ComboBox1KeyPress(char& key) {
    if (key == 27) Button2Click();
}

void TForm2::ComboBox1KeyUp(int& key) {
    if (key == 13) Edit1->setFocus();
}

void TForm2::ComboBox1Click(int index) {
    if (index <= 0) return;
    const QString name = ComboBox1->itemText(index);
    const QVariant bytes = ComboBox1->itemData(index);
    ComboBox1->removeItem(index);
    ComboBox1->insertItem(0, name, bytes);
    ComboBox1->setCurrentIndex(0);
}

void TForm2::ComboBox1Exit() {
    const QString text = ComboBox1->currentText();
    if (text.isEmpty()) return;
    const std::string name = QStringToSjis(text);
    for (const std::string& known : PersonList())
        if (SameText(known, name)) return;
    ComboBox1->addItem(text, NameBytes(name));
    SavePersonList();
}

void TForm2::Delete1Click() {
    // The selected name: the one the box shows, picked or typed.
    const int index = ComboBox1->findText(ComboBox1->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0 || ComboBox1->currentText().isEmpty()) return;
    ComboBox1->removeItem(index);
    // The box no longer shows the name, or leaving it would add it again.
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
}

void TForm2::RgnBtnClick(int n) {
    Edit1->clear();
    Edit1->setText(ShortcutText(n));
}

QString TForm2::ShortcutText(int n) const {
    const TForm5& settings = FProgram.Form5();
    QLineEdit* const edits[] = {settings.Edit4, settings.Edit5, settings.Edit6,
                                settings.Edit7, settings.Edit8, settings.Edit9};
    return edits[n - 1]->text();
}

TRgnBtn* TForm2::ShortcutButton(int n) const {
    TRgnBtn* const buttons[] = {RgnBtn1, RgnBtn2, RgnBtn3, RgnBtn4, RgnBtn5, RgnBtn6};
    return buttons[n - 1];
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm2::closeEvent(QCloseEvent* event) {
    // In modify mode the entry is already out of the store: apply is the way out.
    if (ModifyMode())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Escape belongs to the three boxes (closing in new-entry mode only),
    // never to the dialog's own reject.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        (watched == ComboBox1 || watched == Edit1 || watched == DateTimePicker1)) {
        char key = 27;
        ComboBox1KeyPress(key);
        return true;
    }
    if (watched == ComboBox1) {
        if (type == QEvent::KeyRelease) {
            const int qtKey = static_cast<QKeyEvent*>(event)->key();
            if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
                int key = 13;
                ComboBox1KeyUp(key);
            }
        } else if (type == QEvent::KeyPress) {
            // Up and Down open the list rather than step through it: a pick
            // moves the name to the top, which would make stepping go round
            // between two names.
            auto* e = static_cast<QKeyEvent*>(event);
            if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && !(e->modifiers() & Qt::AltModifier)) {
                ComboBox1->showPopup();
                return true;
            }
        } else if (type == QEvent::Wheel) {
            return true;  // likewise: the wheel would pick names one by one
        } else if (type == QEvent::FocusOut) {
            // Leaving for another control of the dialog; not the drop-down
            // list opening, nor the window losing the focus.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) ComboBox1Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}
