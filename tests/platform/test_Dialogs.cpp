// The dialog functions under a script: what is shown is recorded, and the
// script answers or acts for the user.
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "tests/TestUtil.h"

TEST(DialogScript, AnswersMessagesInOrderAndRecordsTheirTexts) {
    TDialogScript script;
    script.Press(mrYes).Press(mrOk);
    EXPECT_EQ(MessageDlg("first?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrYes);
    ShowMessage("second");
    EXPECT_EQ(script.Texts(), QStringList({"first?", "second"}));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(script.UnscriptedTexts.isEmpty());
}

TEST(DialogScript, UnscriptedOrMismatchedInteractionsGetTheCautiousAnswer) {
    TDialogScript script;
    script.PickColor(Qt::red);  // a colour step, but a message comes first
    EXPECT_EQ(MessageDlg("delete?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
    EXPECT_EQ(MessageDlg("go on?", TMsgDlgType::mtWarning, mbOK | mbCancel), mrCancel);
    QColor c = Qt::blue;
    EXPECT_TRUE(ChooseColor(c));  // the colour step is still there for the chooser
    EXPECT_EQ(c, QColor(Qt::red));
    EXPECT_FALSE(ChooseColor(c));
    EXPECT_EQ(c, QColor(Qt::red));
    EXPECT_EQ(script.UnscriptedTexts.size(), 3);
}

TEST(DialogScript, ActsOnAModalDialogWhileItIsShown) {
    QDialog dialog;
    dialog.setWindowTitle("設定");
    auto* ok = new QPushButton("OK", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        // A message from inside the dialog takes the next step.
        if (MessageDlg("save?", TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes) dialog.accept();
    });
    TDialogScript script;
    bool wasVisible = false;
    script.Act([&](QDialog& d) {
        wasVisible = d.isVisible();
        ok->click();
    });
    script.Press(mrYes);
    EXPECT_EQ(ShowModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(script.Texts(), QStringList({"設定", "save?"}));
}

TEST(DialogScript, ADialogLeftOpenIsClosedAsByItsCloseBox) {
    QDialog dialog;
    TDialogScript script;
    script.Act([](QDialog&) {});
    EXPECT_EQ(ShowModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    // Unscripted: shown and closed at once.
    EXPECT_EQ(ShowModal(dialog), QDialog::Rejected);
    EXPECT_EQ(script.UnscriptedTexts.size(), 1);
}

TEST(DialogScript, FolderChooserAsksBeforeCreatingAndNoReturnsToTheChooser) {
    TempFolder tmp;
    const QString fresh = QString::fromStdString(tmp.File("skins/mine"));
    TDialogScript script;
    script.PickFolder(fresh).Press(mrNo).PickFolder(fresh).Press(mrYes);
    QString folder;
    ASSERT_TRUE(SelectDirectory(folder, sdAllowCreate | sdPerformCreate | sdPrompt));
    EXPECT_EQ(folder, fresh);
    EXPECT_TRUE(DirectoryExists(fresh.toStdString()));
    const QString prompt = "指定されたﾃﾞｨﾚｸﾄﾘが存在しません。作成しますか？";
    EXPECT_EQ(script.Texts(), QStringList({"", prompt, "", prompt}));

    // An existing folder is taken at once; a cancelled chooser changes nothing.
    script.PickFolder(QString::fromStdString(tmp.Path())).CancelFolder();
    ASSERT_TRUE(SelectDirectory(folder, sdAllowCreate | sdPrompt));
    EXPECT_EQ(folder.toStdString(), tmp.Path());
    EXPECT_FALSE(SelectDirectory(folder, 0));
    EXPECT_EQ(folder.toStdString(), tmp.Path());
}

TEST(DialogScript, AnInnerScriptRestoresTheOuterOne) {
    TDialogScript outer;
    {
        TDialogScript inner;
        ShowMessage("inner");
        EXPECT_EQ(CurrentDialogScript(), &inner);
        EXPECT_EQ(inner.Texts(), QStringList({"inner"}));
    }
    EXPECT_EQ(CurrentDialogScript(), &outer);
    outer.Press();
    ShowMessage("outer");
    EXPECT_EQ(outer.Texts(), QStringList({"outer"}));
}
