#include "platform/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "platform/Files.h"

namespace {

TDialogScript*& Installed() {
    static TDialogScript* script = nullptr;
    return script;
}

// The button a closed box or an unscripted answer stands for.
int EscapeResult(TMsgDlgButtons buttons) {
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbAbort) return mrAbort;
    if (buttons & mbIgnore) return mrIgnore;
    return mrOk;
}

QWidget* DefaultOwner() { return QApplication::activeWindow(); }

QString TitleFor(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return QStringLiteral("警告");
    case TMsgDlgType::mtError: return QStringLiteral("エラー");
    case TMsgDlgType::mtInformation: return QStringLiteral("情報");
    case TMsgDlgType::mtConfirmation: return QStringLiteral("確認");
    case TMsgDlgType::mtCustom: break;
    }
    return QApplication::applicationDisplayName();
}

int RunMessageBox(const QString& title, const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    QMessageBox box(DefaultOwner());
    box.setWindowTitle(title);
    box.setText(text);
    switch (type) {
    case TMsgDlgType::mtWarning: box.setIcon(QMessageBox::Warning); break;
    case TMsgDlgType::mtError: box.setIcon(QMessageBox::Critical); break;
    case TMsgDlgType::mtInformation: box.setIcon(QMessageBox::Information); break;
    case TMsgDlgType::mtConfirmation: box.setIcon(QMessageBox::Question); break;
    case TMsgDlgType::mtCustom: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Def {
        TMsgDlgBtn Btn;
        const char* Caption;
        QMessageBox::ButtonRole Role;
        int Result;
    };
    static const Def defs[] = {
        {mbYes, "はい(&Y)", QMessageBox::YesRole, mrYes},
        {mbNo, "いいえ(&N)", QMessageBox::NoRole, mrNo},
        {mbOK, "OK", QMessageBox::AcceptRole, mrOk},
        {mbCancel, "キャンセル", QMessageBox::RejectRole, mrCancel},
        {mbAbort, "中止(&A)", QMessageBox::RejectRole, mrAbort},
        {mbRetry, "再試行(&R)", QMessageBox::AcceptRole, mrRetry},
        {mbIgnore, "無視(&I)", QMessageBox::AcceptRole, mrIgnore},
    };
    if (buttons == 0) buttons = mbOK;
    std::vector<std::pair<QAbstractButton*, int>> made;
    QAbstractButton* escape = nullptr;
    int escapeResult = EscapeResult(buttons);
    for (const Def& d : defs) {
        if (!(buttons & d.Btn)) continue;
        QPushButton* b = box.addButton(QString::fromUtf8(d.Caption), d.Role);
        made.emplace_back(b, d.Result);
        if (d.Result == escapeResult) escape = b;
    }
    if (!made.empty()) box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    if (escape) box.setEscapeButton(escape);
    box.exec();
    for (auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    return escapeResult;
}

// The real folder chooser. With allowNew a typed path that does not exist yet
// is returned as it stands instead of being refused.
class TFolderChooser : public QFileDialog {
public:
    TFolderChooser(QWidget* owner, bool allowNew) : QFileDialog(owner), FAllowNew(allowNew) {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, true);
        setOption(QFileDialog::DontUseNativeDialog, true);
    }
    QString Chosen;

protected:
    void accept() override {
        QStringList files = selectedFiles();
        if (FAllowNew && !files.isEmpty() && !QFileInfo(files.first()).exists()) {
            Chosen = files.first();
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted && !selectedFiles().isEmpty()) Chosen = selectedFiles().first();
    }

private:
    bool FAllowNew;
};

// One turn of the chooser, scripted or real: true with a path, false on cancel.
bool ChooseFolderOnce(QString& path, const QString& start, bool allowNew, QWidget* owner) {
    if (TDialogScript* script = Installed()) {
        TDialogRequest r;
        r.Kind = TDialogKind::Folder;
        r.Folder = start;
        if (script->Answer(r) != mrOk) return false;
        path = r.Folder;
        return true;
    }
    TFolderChooser chooser(owner ? owner : DefaultOwner(), allowNew);
    if (!start.isEmpty()) chooser.setDirectory(start);
    if (chooser.exec() != QDialog::Accepted || chooser.Chosen.isEmpty()) return false;
    path = chooser.Chosen;
    return true;
}

}  // namespace

TDialogScript* CurrentDialogScript() { return Installed(); }

void ShowMessage(const QString& text) {
    MessageDlg(text, TMsgDlgType::mtCustom, mbOK);
}

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (buttons == 0) buttons = mbOK;
    if (TDialogScript* script = Installed()) {
        TDialogRequest r;
        r.Kind = TDialogKind::Message;
        r.Text = text;
        r.Type = type;
        r.Buttons = buttons;
        return script->Answer(r);
    }
    return RunMessageBox(TitleFor(type), text, type, buttons);
}

void ShowErrorBox(const QString& text) { MessageDlg(text, TMsgDlgType::mtError, mbOK); }

void ShowAboutBox(QWidget* owner, const QString& text, const QIcon& icon) {
    if (TDialogScript* script = Installed()) {
        TDialogRequest r;
        r.Kind = TDialogKind::Message;
        r.Text = text;
        script->Answer(r);
        return;
    }
    QMessageBox box(owner ? owner : DefaultOwner());
    box.setWindowTitle(QStringLiteral("バージョン情報"));
    box.setIconPixmap(icon.pixmap(48, 48));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int ShowModal(QDialog& dialog) {
    TDialogScript* script = Installed();
    if (!script) return dialog.exec();
    // Shown for real (not modal) so that its show and activation handling
    // runs; the step then acts as the user would.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QCoreApplication::sendPostedEvents();
    TDialogRequest r;
    r.Kind = TDialogKind::Modal;
    r.Text = dialog.windowTitle();
    r.Dialog = &dialog;
    script->Answer(r);
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

bool ChooseColor(QColor& color, QWidget* owner) {
    if (TDialogScript* script = Installed()) {
        TDialogRequest r;
        r.Kind = TDialogKind::Color;
        r.Color = color;
        if (script->Answer(r) != mrOk) return false;
        color = r.Color;
        return true;
    }
    QColor chosen = QColorDialog::getColor(color, owner ? owner : DefaultOwner());
    if (!chosen.isValid()) return false;
    color = chosen;
    return true;
}

bool SelectDirectory(QString& folder, TSelectDirOpts options, QWidget* owner) {
    const bool allowNew = options & sdAllowCreate;
    for (;;) {
        QString path;
        if (!ChooseFolderOnce(path, folder, allowNew, owner)) return false;
        if (DirectoryExists(path.toStdString())) {
            folder = path;
            return true;
        }
        if (!allowNew) continue;
        if ((options & sdPrompt) &&
            MessageDlg(QStringLiteral("指定されたﾃﾞｨﾚｸﾄﾘが存在しません。作成しますか？"),
                       TMsgDlgType::mtConfirmation, mbYes | mbNo) != mrYes)
            continue;
        if ((options & sdPerformCreate) && !ForceDirectories(path.toStdString())) {
            // Back to the chooser rather than handing out a folder that is not there.
            ShowMessage(QStringLiteral("フォルダ %1 を作成できません").arg(path));
            continue;
        }
        folder = path;
        return true;
    }
}

// ---- TDialogScript ----

TDialogScript::TDialogScript() : FPrevious(Installed()) { Installed() = this; }

TDialogScript::~TDialogScript() { Installed() = FPrevious; }

TDialogScript& TDialogScript::Then(TDialogKind kind, Step step) {
    FSteps.push_back({kind, std::move(step)});
    return *this;
}

TDialogScript& TDialogScript::Press(int modalResult) {
    return Then(TDialogKind::Message, [modalResult](TDialogRequest&) { return modalResult; });
}

TDialogScript& TDialogScript::Act(std::function<void(QDialog&)> act) {
    return Then(TDialogKind::Modal, [act = std::move(act)](TDialogRequest& r) {
        act(*r.Dialog);
        return r.Dialog->result();
    });
}

TDialogScript& TDialogScript::PickColor(const QColor& color) {
    return Then(TDialogKind::Color, [color](TDialogRequest& r) {
        r.Color = color;
        return int(mrOk);
    });
}

TDialogScript& TDialogScript::CancelColor() {
    return Then(TDialogKind::Color, [](TDialogRequest&) { return int(mrCancel); });
}

TDialogScript& TDialogScript::PickFolder(const QString& folder) {
    return Then(TDialogKind::Folder, [folder](TDialogRequest& r) {
        r.Folder = folder;
        return int(mrOk);
    });
}

TDialogScript& TDialogScript::CancelFolder() {
    return Then(TDialogKind::Folder, [](TDialogRequest&) { return int(mrCancel); });
}

QStringList TDialogScript::Texts() const {
    QStringList texts;
    for (const TDialogRequest& r : FLog) texts << r.Text;
    return texts;
}

int TDialogScript::Answer(TDialogRequest& request) {
    FLog.push_back(request);
    if (FSteps.empty() || FSteps.front().Kind != request.Kind) {
        Unscripted(request);
        return request.Kind == TDialogKind::Message ? EscapeResult(request.Buttons) : int(mrCancel);
    }
    Step step = std::move(FSteps.front().Run);
    FSteps.pop_front();
    return step(request);
}

void TDialogScript::Unscripted(const TDialogRequest& request) {
    UnscriptedTexts << request.Text;
}
