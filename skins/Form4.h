#pragma once
// The skin settings dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed.
#include <QDialog>

#include "platform/Colors.h"

class QComboBox;
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

    // The name box: the current skin's name ("Default" at first).
    QComboBox* ComboBox1;
    // The title text colour and the push-button caption colour.
    TColor TitleColor = clWhite;
    TColor CaptionColor = clBlack;

    // Start-up: the saved skin of the program folder's skin folder, read into
    // this dialog and applied when its skin.dat is there.
    void ApplySavedSkinAtStart();
    // The current title and caption colours onto the main window's title text
    // and the dialogs' push-button captions.
    void ApplyColours();

private:
    TProgram& FProgram;
};
