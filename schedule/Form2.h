#pragma once
// The schedule entry dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed.
#include <QDialog>

class TProgram;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TProgram& program);

    TProgram& Program() const { return FProgram; }

private:
    TProgram& FProgram;
};
