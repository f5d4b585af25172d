#pragma once
// The skin settings dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed.
#include <QDialog>

class TProgram;
class TRgnBtn;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TProgram& program);

    TProgram& Program() const { return FProgram; }

    // The previews of the main window's close, shade and toolbar buttons on
    // the preview strip, in the title strip's coordinates.
    TRgnBtn* RgnBtn1;
    TRgnBtn* RgnBtn2;
    TRgnBtn* RgnBtn3;

private:
    TProgram& FProgram;
};
