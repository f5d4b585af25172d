#pragma once
// The schedule entry dialog: who (the person box), what (the content box,
// typed or set by a shortcut button) and when (the date picker). "反映" checks
// the text, builds the entry line and adds it to the store (local mode) or
// sends it to the server. Created once at start-up by the program and shown
// modally, as the same object, as often as needed.
//
// Two modes, set by the main window before each showing: new entry ("終了"
// enabled, close box) and modify ("終了" disabled, no close box, Escape
// ignored: the entry being modified is already out of the store, so apply is
// the only way out).
#include <QDialog>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class TLabel;
class TMDIWallpaper;
class TProgram;
class TRgnBtn;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TProgram& program);

    TProgram& Program() const { return FProgram; }

    // ---- controls ----
    TLabel* Label5;            // 人
    QComboBox* ComboBox1;      // the person box: working copy of User.dat
    QMenu* PopupMenu1;         //   its popup menu
    QAction* Delete1;          //     削除(&D)
    TLabel* Label6;            // 短縮
    TRgnBtn* RgnBtn1;          // shortcut buttons 1 … 6
    TRgnBtn* RgnBtn2;
    TRgnBtn* RgnBtn3;
    TRgnBtn* RgnBtn4;
    TRgnBtn* RgnBtn5;
    TRgnBtn* RgnBtn6;
    TLabel* Label2;            // 内容
    QLineEdit* Edit1;          // the content box
    TLabel* Label1;            // 予定日付
    QDateEdit* DateTimePicker1;
    TRgnBtn* Button1;          // 反映
    TLabel* Label3;
    TRgnBtn* Button2;          // 終了 (disabled image push1c)
    TLabel* Label4;
    TMDIWallpaper* MDIWallpaper1;

    // ---- the person list (User.dat in the program folder) ----
    // The names of the person box, as code page 932 bytes.
    std::vector<std::string> PersonList() const;
    // Replaces the names by the lines of User.dat; raises EFOpenError when
    // it cannot be read, leaving the names as they were. The box's text stays.
    void LoadPersonList();
    // Writes the names to User.dat (whole file, CR LF, atomic).
    void SavePersonList() const;
    // The first name of the list as it stands, or an empty text.
    QString FirstPerson() const;

    // ---- mode and date ----
    // New entry: "終了" and its caption enabled, close box. Modify: both
    // disabled, no close box.
    void SetNewEntryMode();
    void SetModifyMode();
    bool ModifyMode() const;
    // The picker's date as a platform date value; setting keeps it within
    // the picker's range (years of four digits).
    double PickedDate() const;
    void SetPickedDate(double value);

    // ---- handlers ----
    // Each showing: shortcut hints, the person list from User.dat, focus on
    // the person box.
    void FormActivate();
    // Apply: check, build the entry line, add or send it, close.
    void Button1Click();
    // Close, in new-entry mode only.
    void Button2Click();
    // Escape in the person box, the content box or the date picker.
    void ComboBox1KeyPress(char& key);
    // Enter released in the person box moves on to the content box.
    void ComboBox1KeyUp(int& key);
    // A name picked from the drop-down list moves to the top.
    void ComboBox1Click(int index);
    // Leaving the person box: a new name joins the list and User.dat.
    void ComboBox1Exit();
    // Removes the selected name from the list (written with the next save).
    void Delete1Click();
    // Content := shortcut text n (1 … 6), read from the settings now.
    void RgnBtnClick(int n);
    void RgnBtn1Click() { RgnBtnClick(1); }
    void RgnBtn2Click() { RgnBtnClick(2); }
    void RgnBtn3Click() { RgnBtnClick(3); }
    void RgnBtn4Click() { RgnBtnClick(4); }
    void RgnBtn5Click() { RgnBtnClick(5); }
    void RgnBtn6Click() { RgnBtnClick(6); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shortcut text n (1 … 6) of the settings dialog.
    QString ShortcutText(int n) const;
    TRgnBtn* ShortcutButton(int n) const;

    TProgram& FProgram;
};
