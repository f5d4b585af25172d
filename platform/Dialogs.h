#pragma once
// Every modal interaction of the program goes through here: message boxes,
// modal dialogs, the colour chooser and the folder chooser. The program opens
// the real Qt dialogs; a test installs a TDialogScript that records what is
// shown and answers for the user, so a whole sequence runs without blocking.
#include <QColor>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class QDialog;
class QIcon;
class QWidget;

// Modal results, as returned by MessageDlg and ShowModal.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons of a message box, combined with |.
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
};
using TMsgDlgButtons = unsigned;

// A plain message box with an OK button; the caption is the application title.
void ShowMessage(const QString& text);
// A message box of the given type and buttons; returns the button pressed
// (mrYes, mrNo, mrOk, mrCancel…). Closing the box counts as its escape button.
int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The error box the application shows for an error that left a handler.
void ShowErrorBox(const QString& text);

// The about box of the program, owned by `owner`: the application text and
// the program icon. Scripts see it as a message with that text.
void ShowAboutBox(QWidget* owner, const QString& text, const QIcon& icon);

// Shows a dialog modally and returns its result (QDialog::Accepted / Rejected
// or whatever the dialog's handlers passed to done()).
int ShowModal(QDialog& dialog);

// The colour chooser: starts at `color`; true and the new colour in `color`
// when the user confirms, false and `color` unchanged when cancelled.
bool ChooseColor(QColor& color, QWidget* owner = nullptr);

// Options of the folder chooser.
enum TSelectDirOpt : unsigned {
    sdAllowCreate = 1u << 0,   // a path that does not exist yet may be typed
    sdPerformCreate = 1u << 1, // such a path is created (with its parents) on confirming
    sdPrompt = 1u << 2,        // ask before creating it; "no" returns to the chooser
};
using TSelectDirOpts = unsigned;

// The folder chooser. `folder` is the starting folder (may be empty) and, on
// true, the chosen one.
bool SelectDirectory(QString& folder, TSelectDirOpts options, QWidget* owner = nullptr);

// What a script sees of one interaction.
enum class TDialogKind { Message, Modal, Color, Folder };

struct TDialogRequest {
    TDialogKind Kind = TDialogKind::Message;
    QString Text;  // message text; the window title of a modal dialog
    TMsgDlgType Type = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons = mbOK;
    QDialog* Dialog = nullptr;  // Modal: the dialog, shown (not modal) while the step runs
    QColor Color;               // Color: in: the start colour; out: the chosen one
    QString Folder;             // Folder: out: the chosen folder
};

// Stands in for the user in tests. Steps are consumed in order, one per
// interaction; each returns the answer (a modal result, or for the choosers
// mrOk / mrCancel). An interaction with no step left, or whose step is of
// another kind, gets the cautious answer (the escape button, a cancelled
// dialog or chooser) and is reported through Unscripted().
class TDialogScript {
public:
    using Step = std::function<int(TDialogRequest&)>;

    TDialogScript();  // installs itself
    virtual ~TDialogScript();  // restores the script (or the real dialogs) it replaced
    TDialogScript(const TDialogScript&) = delete;
    TDialogScript& operator=(const TDialogScript&) = delete;

    // Next message box: press this button.
    TDialogScript& Press(int modalResult = mrOk);
    // Next modal dialog: run `act` while it is shown (click its buttons, type,
    // call its handlers). A dialog still open afterwards is closed as by its
    // close box; ShowModal returns the dialog's result.
    TDialogScript& Act(std::function<void(QDialog&)> act);
    // Next colour chooser: choose this colour / cancel.
    TDialogScript& PickColor(const QColor& color);
    TDialogScript& CancelColor();
    // Next folder chooser: confirm this path / cancel.
    TDialogScript& PickFolder(const QString& folder);
    TDialogScript& CancelFolder();
    // Any step of one's own.
    TDialogScript& Then(TDialogKind kind, Step step);

    // Everything shown so far, in order.
    const std::vector<TDialogRequest>& Log() const { return FLog; }
    // The texts of Log(), for quick comparisons.
    QStringList Texts() const;
    // Steps not used yet.
    int Pending() const { return static_cast<int>(FSteps.size()); }

    // Called by the dialog functions.
    int Answer(TDialogRequest& request);

protected:
    // An interaction the script had no fitting step for. The default records it.
    virtual void Unscripted(const TDialogRequest& request);

public:
    QStringList UnscriptedTexts;

private:
    struct Entry {
        TDialogKind Kind;
        Step Run;
    };
    std::deque<Entry> FSteps;
    std::vector<TDialogRequest> FLog;
    TDialogScript* FPrevious;
};

// The script in force, or nullptr for the real dialogs.
TDialogScript* CurrentDialogScript();
