#include "skins/Form4.h"

#include "platform/Controls.h"
#include "platform/RgnBtn.h"

#include <QComboBox>

TForm4::TForm4(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form4"));
    SetupFixedDialog(*this, QStringLiteral("スキン設定"), 640, 165);
    const int lefts[] = {8, 30, 46};
    TRgnBtn** previews[] = {&RgnBtn1, &RgnBtn2, &RgnBtn3};
    for (int i = 0; i < 3; ++i) {
        *previews[i] = new TRgnBtn(this, QStringLiteral("RgnBtn%1").arg(i + 1));
        (*previews[i])->setGeometry(lefts[i], -2, 19, 21);
    }

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setEditText(QStringLiteral("Default"));
}

void TForm4::ApplySavedSkinAtStart() {}

void TForm4::ApplyColours() {}
