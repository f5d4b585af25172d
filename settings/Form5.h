#pragma once
// The settings dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed. Its controls are the live
// settings: the rest of the program reads them straight from here.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class TLabel;
class TMDIWallpaper;
class TProgram;
class TRgnBtn;
struct TSettingsValues;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TProgram& program);

    TProgram& Program() const { return FProgram; }

    TMDIWallpaper* MDIWallpaper1;  // the dialog's background tile
    TLabel* Label1;        // サーバーの場所
    QLineEdit* Edit1;      // server ("127.0.0.1")
    TLabel* Label2;        // ポート番号
    QLineEdit* Edit2;      // port ("901")
    QCheckBox* CheckBox2;  // 時計、運勢を表示する (on)
    TLabel* Label4;
    QCheckBox* CheckBox3;  // 六曜を表示する。 (on)
    TLabel* Label7;
    QCheckBox* CheckBox1;  // ローカルで使用する (off)
    TLabel* Label3;
    QCheckBox* CheckBox4;  // スキンはローカルを利用する。 (off)
    TLabel* Label8;
    QLineEdit* Edit3;      // the local skin folder (empty, read-only, disabled)
    TRgnBtn* RgnBtn3;      // 選択: the folder chooser (disabled)
    TLabel* Label9;
    QGroupBox* GroupBox1;  // 短縮設定
    TMDIWallpaper* MDIWallpaper2;  // the group's background tile
    TLabel* Label10;       // １． … ６．
    TLabel* Label11;
    TLabel* Label12;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label15;
    QLineEdit* Edit4;      // shortcut texts 1 … 6
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    TRgnBtn* RgnBtn1;      // 反映: apply
    TLabel* Label5;
    TRgnBtn* RgnBtn2;      // 終了: close without saving
    TLabel* Label6;

    // The controls' settings (code page 932 texts) into `v`: server to
    // shortcut texts; the skin name and the window position are not here.
    void GetSettings(TSettingsValues& v) const;
    // The same settings from `v` into the controls, in the order they are read.
    void SetSettings(const TSettingsValues& v);

    // ---- handlers ----
    // Each showing: the folder controls follow CheckBox4.
    void FormShow();
    // Label3, Label4, Label7, Label8 toggle their check boxes.
    void Label3Click();
    void Label4Click();
    void Label7Click();
    void Label8Click();
    // CheckBox4 changed: the folder controls follow it; unchecked empties Edit3.
    void CheckBox4Click();
    // The folder chooser, while CheckBox4 is checked.
    void RgnBtn3Click();
    // Escape in the server, port and check boxes: close without saving.
    void Edit1KeyPress(char& key);
    // Save to the settings file, show or hide the clock column, set the rokuyo, close.
    void RgnBtn1Click();
    // Close without saving.
    void RgnBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EnableFolderControls(bool on);

    TProgram& FProgram;
};
