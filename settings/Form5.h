#pragma once
// The settings dialog. Created once at start-up by the program and shown
// modally, as the same object, as often as needed. Its controls are the live
// settings: the rest of the program reads them straight from here.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class TProgram;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TProgram& program);

    TProgram& Program() const { return FProgram; }

    QLineEdit* Edit1;      // server ("127.0.0.1")
    QLineEdit* Edit2;      // port ("901")
    QCheckBox* CheckBox2;  // 時計、運勢を表示する (on)
    QCheckBox* CheckBox3;  // 六曜を表示する。 (on)
    QCheckBox* CheckBox1;  // ローカルで使用する (off)
    QCheckBox* CheckBox4;  // スキンはローカルを利用する。 (off)
    QLineEdit* Edit3;      // the local skin folder (empty, read-only, disabled)
    QGroupBox* GroupBox1;  // 短縮設定
    QLineEdit* Edit4;      // shortcut texts 1 … 6
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;

private:
    TProgram& FProgram;
};
