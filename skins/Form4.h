#pragma once
// The skin settings dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed. It holds the current skin
// name, the title-button positions (its preview buttons) and the two skin
// colours, and it carries a skin into every window: the load step
// (RgnBtn6Click) and the apply step (RgnBtn4Click).
#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/Colors.h"
#include "platform/RgnBtn.h"

class QComboBox;
class QGroupBox;
class TButton;
class TImage;
class TLabel;
class TMDIWallpaper;
class TProgram;
struct TSkinDat;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TProgram& program);
    ~TForm4() override;

    TProgram& Program() const { return FProgram; }

    // The preview strip: caption.bmp unscaled at its top-left corner; the
    // preview buttons are dropped on it.
    TImage* Image1;
    // The preview title; its colour is the title text colour.
    TLabel* Label4;
    // The previews of the main window's close, shade and toolbar buttons on
    // the preview strip, in the title strip's coordinates.
    TRgnBtn* RgnBtn1;
    TRgnBtn* RgnBtn2;
    TRgnBtn* RgnBtn3;

    // 終了ﾎﾞﾀﾝ位置, ｼｪｰﾄﾞﾎﾞﾀﾝ位置, ﾂｰﾙﾊﾞｰﾎﾞﾀﾝ位置: the arrows ↑ ↓ ← → of
    // RgnBtn1 (Button2-5), RgnBtn2 (Button6-9) and RgnBtn3 (Button10-13).
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    TButton* Button2;
    TButton* Button3;
    TButton* Button4;
    TButton* Button5;
    TButton* Button6;
    TButton* Button7;
    TButton* Button8;
    TButton* Button9;
    TButton* Button10;
    TButton* Button11;
    TButton* Button12;
    TButton* Button13;

    // スキンパス設定: the name box (the current skin's name, "Default" at
    // first; its list holds the skins of the skin root) and 読込.
    QGroupBox* GroupBox4;
    QComboBox* ComboBox1;
    TRgnBtn* RgnBtn6;
    TLabel* Label2;

    // 色設定: ｷｬﾌﾟｼｮﾝ (title text colour) and ﾎﾞﾀﾝ (caption colour).
    QGroupBox* GroupBox5;
    TRgnBtn* RgnBtn7;
    TLabel* Label5;
    TRgnBtn* RgnBtn8;
    TLabel* Label6;

    // 反映 and 終了.
    TRgnBtn* RgnBtn4;
    TLabel* Label3;
    TRgnBtn* RgnBtn5;
    TLabel* Label1;

    // The dialog's own background, then those of GroupBox1 to GroupBox5.
    TMDIWallpaper* MDIWallpaper1;
    TMDIWallpaper* MDIWallpaper2;
    TMDIWallpaper* MDIWallpaper3;
    TMDIWallpaper* MDIWallpaper4;
    TMDIWallpaper* MDIWallpaper5;
    TMDIWallpaper* MDIWallpaper6;

    // The colours the two colour choosers hold: title text (white at first)
    // and push-button captions (black at first). Plain RGB values.
    TColor TitleColor = clWhite;
    TColor CaptionColor = clBlack;

    // The name box's text when the dialog was last activated (empty before).
    const QString& RememberedName() const { return FRememberedName; }

    // Start-up: the saved skin name of the settings file into the name box;
    // when the program folder's skin folder of that name holds skin.dat, it is
    // read into this dialog and the apply step runs.
    void ApplySavedSkinAtStart();
    // The current title and caption colours onto the main window's title text
    // and the dialogs' push-button captions.
    void ApplyColours();

    // The skin root and the skin folder of the name box's name, as the
    // settings dialog's controls give them now (file-system paths).
    std::string CurrentSkinRoot() const;
    std::string CurrentSkinFolder() const;

    // Handlers.
    void FormActivate();
    void RgnBtn1MouseDown();
    void RgnBtn2MouseDown();
    void RgnBtn3MouseDown();
    void Image1DragOver(QObject* source, int x, int y, bool& accept);
    void Image1DragDrop(QObject* source, int x, int y);
    void Button2Click();  // 終了ﾎﾞﾀﾝ ↑
    void Button3Click();  //          ↓
    void Button4Click();  //          ←
    void Button5Click();  //          →
    void Button6Click();  // ｼｪｰﾄﾞﾎﾞﾀﾝ ↑ ↓ ← →
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();  // ﾂｰﾙﾊﾞｰﾎﾞﾀﾝ ↑ ↓ ← →
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button3KeyDown(int& key);  // every arrow button: Esc closes
    void RgnBtn4Click();            // 反映: the apply step
    void RgnBtn5Click();            // 終了
    void RgnBtn6Click();            // 読込: the load step
    void RgnBtn7Click();            // ｷｬﾌﾟｼｮﾝ
    void RgnBtn8Click();            // ﾎﾞﾀﾝ
    void ComboBox1KeyPress(char& key);  // Esc closes, Enter loads
    void FormClose();

    // Closes the dialog; its close handling runs also when it is hidden.
    void Close();

    // The preview button being dragged, if any.
    TRgnBtn* DragSource() const { return FDragSource; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    // Activation steps 1 to 4; false when the pass goes no further because
    // the skin folder is missing.
    bool ActivatePass();
    // The preview strip, the preview buttons and the six backgrounds from a
    // skin folder, then the preview buttons' outlines.
    void LoadPreview(const std::string& folder);
    // The push-button images of the dialogs, as the load step gives them.
    void LoadPushButtons(const std::string& folder);
    // skin.dat into the dialog; what was read before a failing line stays.
    void ReadSkinDatIntoDialog(const std::string& path);
    TSkinDat DialogSkinDat() const;
    void SetDialogSkinDat(const TSkinDat& dat);
    void RefillSkinList();
    void MovePreview(TRgnBtn* button, int dx, int dy);
    // Dragging a preview button over the preview strip.
    void BeginDrag(TRgnBtn* button);
    void DragTo(const QPoint& dialogPoint, bool drop);
    void EndDrag();

    TProgram& FProgram;
    QString FRememberedName;
    bool FActivatedOnce = false;
    bool FActivationQueued = false;
    QPointer<TRgnBtn> FDragSource;
};
