#pragma once
// The jump dialog: pick a date and the month view goes there.
#include <QDateEdit>
#include <QDialog>

class TLabel;
class TMDIWallpaper;
class TProgram;
class TRgnBtn;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TProgram& program);

    TProgram& Program() const { return FProgram; }

    TLabel* Label1;
    QDateEdit* DateTimePicker1;
    TRgnBtn* Button1;  // ｼﾞｬﾝﾌﾟ
    TLabel* Label3;
    TRgnBtn* Button2;  // ｷｬﾝｾﾙ
    TLabel* Label2;
    TMDIWallpaper* MDIWallpaper1;

    // The picker's date as a platform date value.
    double PickedDate() const;
    // Shows a platform date value in the picker (kept within its range).
    void SetPickedDate(double value);

    // Jump: the month view takes the picked date; the dialog closes.
    void Button1Click();
    // Cancel: the dialog closes without a change.
    void Button2Click();
    // Enter jumps, Escape cancels.
    void DateTimePicker1KeyDown(int& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TProgram& FProgram;
};
