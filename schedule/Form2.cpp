#include "schedule/Form2.h"

#include "platform/Controls.h"

TForm2::TForm2(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form2"));
    SetupFixedDialog(*this, QStringLiteral("予定入力"), 340, 130);
}
