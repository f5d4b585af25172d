#include "settings/Form5.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "platform/Controls.h"

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

}  // namespace

TForm5::TForm5(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form5"));
    SetupFixedDialog(*this, QStringLiteral("設定"), 385, 199);

    Edit1 = MakeEdit(this, "Edit1", 104, 4, 121, QStringLiteral("127.0.0.1"));
    Edit2 = MakeEdit(this, "Edit2", 104, 28, 121, QStringLiteral("901"));
    CheckBox2 = MakeCheck(this, "CheckBox2", 8, 58, true);
    CheckBox3 = MakeCheck(this, "CheckBox3", 8, 82, true);
    CheckBox1 = MakeCheck(this, "CheckBox1", 8, 106, false);
    CheckBox4 = MakeCheck(this, "CheckBox4", 8, 130, false);
    Edit3 = MakeEdit(this, "Edit3", 8, 152, 153, QString());
    Edit3->setReadOnly(true);
    Edit3->setEnabled(false);

    GroupBox1 = new QGroupBox(QStringLiteral("短縮設定"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(240, 0, 137, 161);
    const char* const names[] = {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"};
    const QString texts[] = {QStringLiteral("年休"), QStringLiteral("午前半休"), QStringLiteral("午後半休"),
                             QStringLiteral("出張"), QStringLiteral("午前出張"), QStringLiteral("午後出張")};
    QLineEdit** edits[] = {&Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    for (int k = 0; k < 6; ++k) *edits[k] = MakeEdit(GroupBox1, names[k], 32, 16 + 24 * k, 97, texts[k]);
}
