#include "settings/Form5.h"

#include "platform/Controls.h"

TForm5::TForm5(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form5"));
    SetupFixedDialog(*this, QStringLiteral("設定"), 385, 199);
}
