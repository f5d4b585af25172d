#include "settings/Form5.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/MDIWallpaper.h"
#include "platform/RgnBtn.h"
#include "platform/SjisQt.h"
#include "settings/Settings.h"

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top, int width, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(left, top, width, 20);
    return e;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, int left, int top, bool checked) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(left, top, 12, 12);
    c->setChecked(checked);
    return c;
}

TLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& caption) {
    auto* label = new TLabel(parent, QString::fromLatin1(name), caption);
    label->move(left, top);
    return label;
}

}  // namespace

TForm5::TForm5(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form5"));
    SetupFixedDialog(*this, QStringLiteral("設定"), 385, 199);
    MDIWallpaper1 = new TMDIWallpaper(this, QStringLiteral("MDIWallpaper1"));

    Label1 = MakeLabel(this, "Label1", 9, 8, QStringLiteral("サーバーの場所"));
    Edit1 = MakeEdit(this, "Edit1", 104, 4, 121, QStringLiteral("127.0.0.1"));
    Label2 = MakeLabel(this, "Label2", 9, 32, QStringLiteral("ポート番号"));
    Edit2 = MakeEdit(this, "Edit2", 104, 28, 121, QStringLiteral("901"));
    CheckBox2 = MakeCheck(this, "CheckBox2", 8, 58, true);
    Label4 = MakeLabel(this, "Label4", 27, 59, QStringLiteral("時計、運勢を表示する"));
    CheckBox3 = MakeCheck(this, "CheckBox3", 8, 82, true);
    Label7 = MakeLabel(this, "Label7", 27, 83, QStringLiteral("六曜を表示する。"));
    CheckBox1 = MakeCheck(this, "CheckBox1", 8, 106, false);
    Label3 = MakeLabel(this, "Label3", 27, 107, QStringLiteral("ローカルで使用する"));
    CheckBox4 = MakeCheck(this, "CheckBox4", 8, 130, false);
    Label8 = MakeLabel(this, "Label8", 27, 131, QStringLiteral("スキンはローカルを利用する。"));
    Edit3 = MakeEdit(this, "Edit3", 8, 152, 153, QString());
    Edit3->setReadOnly(true);

    const QFont captionFont = GothicFont(11);
    RgnBtn3 = MakePushButton(this, QStringLiteral("RgnBtn3"), 168, 152, Label9, QStringLiteral("Label9"),
                             QStringLiteral("選択"), &captionFont);

    GroupBox1 = new QGroupBox(QStringLiteral("短縮設定"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(240, 0, 137, 161);
    MDIWallpaper2 = new TMDIWallpaper(GroupBox1, QStringLiteral("MDIWallpaper2"), 0, 0);
    const char* const labelNames[] = {"Label10", "Label11", "Label12", "Label13", "Label14", "Label15"};
    const QString numbers[] = {QStringLiteral("１．"), QStringLiteral("２．"), QStringLiteral("３．"),
                               QStringLiteral("４．"), QStringLiteral("５．"), QStringLiteral("６．")};
    TLabel** labels[] = {&Label10, &Label11, &Label12, &Label13, &Label14, &Label15};
    const char* const editNames[] = {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"};
    const QString texts[] = {QStringLiteral("年休"), QStringLiteral("午前半休"), QStringLiteral("午後半休"),
                             QStringLiteral("出張"), QStringLiteral("午前出張"), QStringLiteral("午後出張")};
    QLineEdit** edits[] = {&Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    for (int k = 0; k < 6; ++k) {
        *labels[k] = MakeLabel(GroupBox1, labelNames[k], 9, 19 + 24 * k, numbers[k]);
        *edits[k] = MakeEdit(GroupBox1, editNames[k], 32, 16 + 24 * k, 97, texts[k]);
    }

    RgnBtn1 = MakePushButton(this, QStringLiteral("RgnBtn1"), 256, 176, Label5, QStringLiteral("Label5"),
                             QStringLiteral("反映"), &captionFont);
    RgnBtn2 = MakePushButton(this, QStringLiteral("RgnBtn2"), 320, 175, Label6, QStringLiteral("Label6"),
                             QStringLiteral("終了"), &captionFont);
    EnableFolderControls(false);

    // Tab order: the local switch comes before the clock and rokuyo switches.
    QWidget* const tabOrder[] = {Edit1, Edit2, CheckBox1, CheckBox2, CheckBox3, CheckBox4, Edit3,
                                 Edit4, Edit5, Edit6,     Edit7,     Edit8,     Edit9};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

    connect(Label3, &TLabel::clicked, this, &TForm5::Label3Click);
    connect(Label4, &TLabel::clicked, this, &TForm5::Label4Click);
    connect(Label7, &TLabel::clicked, this, &TForm5::Label7Click);
    connect(Label8, &TLabel::clicked, this, &TForm5::Label8Click);
    connect(CheckBox4, &QCheckBox::toggled, this, &TForm5::CheckBox4Click);
    connect(RgnBtn3, &TRgnBtn::clicked, this, &TForm5::RgnBtn3Click);
    connect(RgnBtn1, &TRgnBtn::clicked, this, &TForm5::RgnBtn1Click);
    connect(RgnBtn2, &TRgnBtn::clicked, this, &TForm5::RgnBtn2Click);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        w->installEventFilter(this);
}

void TForm5::GetSettings(TSettingsValues& v) const {
    v.Server = QStringToSjis(Edit1->text());
    v.Port = QStringToSjis(Edit2->text());
    v.Local = CheckBox1->isChecked();
    v.Tokei = CheckBox2->isChecked();
    v.Rokuyou = CheckBox3->isChecked();
    v.LocalSkin = CheckBox4->isChecked();
    // The folder is a file-system path here and code page 932 text in the file.
    v.SkinPath = QStringToSjis(Edit3->text());
    const QLineEdit* const edits[] = {Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
    for (std::size_t i = 0; i < v.Tansyuku.size(); ++i) v.Tansyuku[i] = QStringToSjis(edits[i]->text());
}

void TForm5::SetSettings(const TSettingsValues& v) {
    Edit1->setText(SjisToQString(v.Server));
    Edit2->setText(SjisToQString(v.Port));
    CheckBox1->setChecked(v.Local);
    CheckBox2->setChecked(v.Tokei);
    CheckBox3->setChecked(v.Rokuyou);
    CheckBox4->setChecked(v.LocalSkin);
    Edit3->setText(SjisToQString(v.SkinPath));
    QLineEdit* const edits[] = {Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
    for (std::size_t i = 0; i < v.Tansyuku.size(); ++i) edits[i]->setText(SjisToQString(v.Tansyuku[i]));
}

void TForm5::EnableFolderControls(bool on) {
    Edit3->setEnabled(on);
    RgnBtn3->setEnabled(on);
    Label9->setEnabled(on);
}

void TForm5::FormShow() { EnableFolderControls(CheckBox4->isChecked()); }

void TForm5::Label3Click() { CheckBox1->toggle(); }
void TForm5::Label4Click() { CheckBox2->toggle(); }
void TForm5::Label7Click() { CheckBox3->toggle(); }
void TForm5::Label8Click() { CheckBox4->toggle(); }

void TForm5::CheckBox4Click() {
    const bool on = CheckBox4->isChecked();
    EnableFolderControls(on);
    if (!on) Edit3->clear();
}

void TForm5::RgnBtn3Click() {
    if (!CheckBox4->isChecked()) return;
    QString folder;
    if (SelectDirectory(folder, sdAllowCreate | sdPerformCreate | sdPrompt, this)) Edit3->setText(folder);
}

void TForm5::Edit1KeyPress(char& key) {
    if (key == 27) RgnBtn2Click();
}

void TForm5::RgnBtn1Click() {
    TSettingsValues v;
    GetSettings(v);
    // A failed write ends here: the dialog stays open and nothing is reapplied.
    SaveDialogSettings(FProgram.Form1().IniGT1, v);
    TForm1& main = FProgram.Form1();
    main.Panel6->setVisible(CheckBox2->isChecked());
    main.MonthlyCalendar1->SetShowRokuyo(CheckBox3->isChecked());
    accept();
}

void TForm5::RgnBtn2Click() { reject(); }

void TForm5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

// Escape closes only from the fields that ask for it (see eventFilter); Enter
// means nothing here.
void TForm5::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        char key = 27;
        Edit1KeyPress(key);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
