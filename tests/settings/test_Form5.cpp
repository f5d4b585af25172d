// The settings dialog: its controls, the label toggles, the folder controls,
// the folder chooser, Escape, apply and close.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <sys/stat.h>

#include "platform/Controls.h"
#include "platform/Files.h"
#include "platform/MDIWallpaper.h"
#include "settings/Form5.h"
#include "tests/app/MainWindowFixture.h"

namespace {

struct SettingsDialog : MainWindowFixture {
    TForm5& dlg = program->Form5();
    std::string Ini() const { return ReadWholeFile(tmp.File("Kuralo.ini")); }
    // Shows the dialog modally, runs `act` in it, answers ShowModal's result.
    int Show(std::function<void()> act) {
        script.Act([act](QDialog&) { act(); });
        return ShowModal(dlg);
    }
};

TEST_F(SettingsDialog, ControlsSitAtTheirPlacesInTheirTabOrder) {
    const struct {
        QWidget* Control;
        QRect At;
    } places[] = {{dlg.Edit1, {104, 4, 121, 20}},    {dlg.Edit2, {104, 28, 121, 20}},
                  {dlg.CheckBox2, {8, 58, 12, 12}},  {dlg.CheckBox1, {8, 106, 12, 12}},
                  {dlg.Edit3, {8, 152, 153, 20}},    {dlg.RgnBtn3, {168, 152, 61, 20}},
                  {dlg.GroupBox1, {240, 0, 137, 161}}, {dlg.Edit4, {32, 16, 97, 20}},
                  {dlg.Edit9, {32, 136, 97, 20}},    {dlg.RgnBtn1, {256, 176, 61, 20}},
                  {dlg.RgnBtn2, {320, 175, 61, 20}}};
    for (const auto& p : places) EXPECT_EQ(p.Control->geometry(), p.At) << p.Control->objectName().toStdString();
    EXPECT_EQ(dlg.Label8->pos(), QPoint(27, 131));
    EXPECT_EQ(dlg.Label15->pos(), QPoint(9, 139));
    EXPECT_EQ(dlg.Label15->parentWidget(), dlg.GroupBox1);
    EXPECT_EQ(dlg.Label15->text(), "６．");
    EXPECT_EQ(dlg.Label8->text(), "スキンはローカルを利用する。");
    // The caption labels lie on their buttons, in the 11-pixel face.
    for (auto [button, label, caption] : {std::tuple{dlg.RgnBtn1, dlg.Label5, "反映"},
                                          std::tuple{dlg.RgnBtn2, dlg.Label6, "終了"},
                                          std::tuple{dlg.RgnBtn3, dlg.Label9, "選択"}}) {
        EXPECT_EQ(label->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(button->geometry().contains(label->geometry().center())) << caption;
        EXPECT_EQ(label->font().pixelSize(), 11);
    }
    // Until the local skin switch is on, its folder controls are off.
    EXPECT_FALSE(dlg.Edit3->isEnabled());
    EXPECT_TRUE(dlg.Edit3->isReadOnly());
    EXPECT_FALSE(dlg.RgnBtn3->isEnabled());
    EXPECT_FALSE(dlg.Label9->isEnabled());
    EXPECT_EQ(dlg.MDIWallpaper1->Client(), &dlg);
    EXPECT_EQ(dlg.MDIWallpaper2->Client(), dlg.GroupBox1);
    EXPECT_EQ(dlg.MDIWallpaper2->TileWidth(), 0);

    QStringList order;
    QWidget* w = dlg.Edit1;
    do {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != dlg.Edit1);
    EXPECT_EQ(order, QStringList({"Edit1", "Edit2", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "Edit3",
                                  "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}));
}

TEST_F(SettingsDialog, CaptionsToggleTheirCheckBoxes) {
    for (auto [label, box] : {std::pair{dlg.Label3, dlg.CheckBox1}, std::pair{dlg.Label4, dlg.CheckBox2},
                              std::pair{dlg.Label7, dlg.CheckBox3}}) {
        const bool before = box->isChecked();
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(box->isChecked(), !before) << label->text().toStdString();
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(box->isChecked(), before);
    }
    // The local skin caption: the folder controls follow; twice leaves all as before.
    QTest::mouseClick(dlg.Label8, Qt::LeftButton);
    EXPECT_TRUE(dlg.CheckBox4->isChecked());
    EXPECT_TRUE(dlg.Edit3->isEnabled());
    EXPECT_TRUE(dlg.RgnBtn3->isEnabled());
    EXPECT_TRUE(dlg.Label9->isEnabled());
    QTest::mouseClick(dlg.Label8, Qt::LeftButton);
    EXPECT_FALSE(dlg.CheckBox4->isChecked());
    EXPECT_FALSE(dlg.Edit3->isEnabled());
    EXPECT_FALSE(dlg.RgnBtn3->isEnabled());
    EXPECT_EQ(dlg.Edit3->text(), "");
}

TEST_F(SettingsDialog, ApplyWritesEverySettingInOrderAndTakesEffectAtOnce) {
    std::remove(tmp.File("Kuralo.ini").c_str());
    dlg.CheckBox4->setChecked(true);
    dlg.Edit3->setText("/tmp/スキン");
    dlg.Edit9->setText("外出");
    QTest::mouseClick(dlg.Label4, Qt::LeftButton);  // Tokei off
    QTest::mouseClick(dlg.Label7, Qt::LeftButton);  // Rokuyou off
    // Through the main window's settings button, applied by the caption of 反映.
    script.Act([&](QDialog&) { QTest::mouseClick(dlg.Label5, Qt::LeftButton); });
    form->ToolbarButton972->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(Ini(), "[NetWork]\r\nServer=127.0.0.1\r\nPort=901\r\nLocal=1\r\nTokei=0\r\nRokuyou=0\r\nSkin=1\r\n"
                     "SkinPath=" + S(u8"/tmp/スキン") + "\r\n[Tansyuku]\r\n1=" + S(u8"年休") + "\r\n2=" +
                     S(u8"午前半休") + "\r\n3=" + S(u8"午後半休") + "\r\n4=" + S(u8"出張") + "\r\n5=" +
                     S(u8"午前出張") + "\r\n6=" + S(u8"外出") + "\r\n");
    EXPECT_TRUE(form->Panel6->isHidden());
    EXPECT_FALSE(form->MonthlyCalendar1->ShowRokuyo());

    // Unchecking the switch empties the folder; applying stores both.
    dlg.CheckBox4->setChecked(false);
    QTest::mouseClick(dlg.Label4, Qt::LeftButton);
    QTest::mouseClick(dlg.RgnBtn1, Qt::LeftButton, {}, QPoint(30, 10));
    const TIniGT ini(tmp.File("Kuralo.ini"));
    EXPECT_EQ(ini.ReadString("NetWork", "Skin", "?"), "0");
    EXPECT_EQ(ini.ReadString("NetWork", "SkinPath", "?"), "");
    EXPECT_FALSE(form->Panel6->isHidden());
}

TEST_F(SettingsDialog, AFailedWriteKeepsTheDialogOpenAndAppliesNothing) {
    const std::string before = Ini();
    ASSERT_EQ(::chmod(tmp.File("Kuralo.ini").c_str(), 0444), 0);
    bool stillOpen = false, panelShown = false;
    script
        .Act([&](QDialog&) {
            dlg.CheckBox2->setChecked(false);
            QTest::mouseClick(dlg.Label5, Qt::LeftButton);
            stillOpen = dlg.isVisible();
            panelShown = !form->Panel6->isHidden();
            QTest::mouseClick(dlg.Label6, Qt::LeftButton);
        })
        .Press();  // the error box, over the dialog
    ShowModal(dlg);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(script.Texts().back(), QString::fromStdString(tmp.File("Kuralo.ini") + " に書き込めません"));
    EXPECT_EQ(Ini(), before);
    ::chmod(tmp.File("Kuralo.ini").c_str(), 0644);
}

TEST_F(SettingsDialog, EscapeClosesFromTheServerPortAndSwitchesOnly) {
    dlg.CheckBox4->setChecked(true);  // Edit3 can take keys
    const std::string before = Ini();
    const struct {
        QWidget* Control;
        int Key;
        bool Closes;
    } cases[] = {{dlg.Edit1, Qt::Key_Escape, true},     {dlg.Edit2, Qt::Key_Escape, true},
                 {dlg.CheckBox1, Qt::Key_Escape, true}, {dlg.CheckBox2, Qt::Key_Escape, true},
                 {dlg.CheckBox3, Qt::Key_Escape, true}, {dlg.CheckBox4, Qt::Key_Escape, true},
                 {dlg.Edit3, Qt::Key_Escape, false},    {dlg.Edit4, Qt::Key_Escape, false},
                 {dlg.Edit9, Qt::Key_Escape, false},    {dlg.Edit1, Qt::Key_Return, false}};
    for (const auto& c : cases) {
        bool open = false;
        const int result = Show([&] {
            QTest::keyClick(c.Control, static_cast<Qt::Key>(c.Key));
            open = dlg.isVisible();
        });
        EXPECT_EQ(open, !c.Closes) << c.Control->objectName().toStdString() << " " << c.Key;
        EXPECT_EQ(result, QDialog::Rejected);
    }
    // Nothing was written; a changed port stays in its field.
    Show([&] {
        dlg.Edit2->setText("1234");
        QTest::keyClick(dlg.Edit2, Qt::Key_Escape);
    });
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(dlg.Edit2->text(), "1234");
}

TEST_F(SettingsDialog, CloseButtonAndItsCaptionCloseWithoutSaving) {
    const std::string before = Ini();
    for (QWidget* target : {static_cast<QWidget*>(dlg.Label6), static_cast<QWidget*>(dlg.RgnBtn2)}) {
        bool closed = false;
        Show([&] {
            dlg.Edit1->setText("other.host");
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 8));
            closed = !dlg.isVisible();
        });
        EXPECT_TRUE(closed) << target->objectName().toStdString();
    }
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(dlg.Edit1->text(), "other.host");
}

TEST_F(SettingsDialog, FolderChooserCreatesAMissingFolderOnYes) {
    // While the switch is off, the button and its caption do nothing.
    dlg.RgnBtn3Click();
    QTest::mouseClick(dlg.Label9, Qt::LeftButton);
    EXPECT_TRUE(script.Log().empty());

    dlg.CheckBox4->setChecked(true);
    const QString missing = QString::fromStdString(tmp.File("スキン/自分"));
    const QString prompt = "指定されたﾃﾞｨﾚｸﾄﾘが存在しません。作成しますか？";
    // "No" returns to the chooser; "yes" creates the folder with its parent.
    script.PickFolder(missing).Press(mrNo).PickFolder(missing).Press(mrYes);
    QTest::mouseClick(dlg.Label9, Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(script.Texts().count(prompt), 2);
    EXPECT_TRUE(DirectoryExists(missing.toStdString()));
    EXPECT_EQ(dlg.Edit3->text(), missing);

    // An existing folder is taken as it is; cancelling changes nothing.
    script.PickFolder(QString::fromStdString(tmp.Path()));
    QTest::mouseClick(dlg.RgnBtn3, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(dlg.Edit3->text().toStdString(), tmp.Path());
    script.CancelFolder();
    dlg.RgnBtn3Click();
    EXPECT_EQ(dlg.Edit3->text().toStdString(), tmp.Path());
    EXPECT_EQ(script.Texts().count(prompt), 2);
}

}  // namespace
