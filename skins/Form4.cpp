#include "skins/Form4.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Program.h"
#include "platform/Bitmap.h"
#include "platform/BuiltinImages.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Image.h"
#include "platform/MDIWallpaper.h"
#include "platform/RgnBtn.h"
#include "platform/SjisQt.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "skins/SkinDat.h"

namespace {

// A skin name as a piece of a file-system path, and back.
std::string PathPiece(const QString& name) { return name.toStdString(); }
QString FromPathPiece(const std::string& piece) { return QString::fromStdString(piece); }

QImage SkinImage(const std::string& folder, std::string_view file) {
    return LoadBitmapFile(folder + std::string(file));
}

// Loads the push-button images of a skin into one button (the disabled image
// too when asked) and then rebuilds its outline.
void LoadPush(TRgnBtn* button, const std::string& folder, bool withDisabled) {
    button->SetGlyph(1, SkinImage(folder, "push1.bmp"));
    button->SetGlyph(2, SkinImage(folder, "push1b.bmp"));
    if (withDisabled) button->SetGlyph(3, SkinImage(folder, "push1c.bmp"));
    button->RefreshRgn();
}

void SetWall(TMDIWallpaper* wallpaper, const std::string& folder) { wallpaper->SetPicture(SkinImage(folder, "wall.bmp")); }

void SetCaptionColour(TLabel* label, TColor color) { label->SetFontColor(ColorToQColor(color)); }

// A push button of this dialog, its caption label in the 11-pixel face at
// its own place.
TRgnBtn* PushButton(QWidget* parent, const char* name, QPoint at, TLabel*& label, const char* labelName,
                    const QString& caption, QPoint labelAt) {
    const QFont captionFont = GothicFont(11);
    TRgnBtn* button = MakePushButton(parent, QString::fromLatin1(name), at.x(), at.y(), label,
                                     QString::fromLatin1(labelName), caption, &captionFont);
    label->move(labelAt);
    return button;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    return group;
}

int KeyCode(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: return 0;
    }
}

}  // namespace

TForm4::TForm4(TProgram& program) : FProgram(program) {
    setObjectName(QStringLiteral("Form4"));
    SetupFixedDialog(*this, QStringLiteral("スキン設定"), 640, 165);
    CreateControls();
    ConnectHandlers();
}

TForm4::~TForm4() { EndDrag(); }

void TForm4::CreateControls() {
    MDIWallpaper1 = new TMDIWallpaper(this, QStringLiteral("MDIWallpaper1"));

    Image1 = new TImage(this, QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 640, 28);

    Label4 = new TLabel(this, QStringLiteral("Label4"));
    Label4->setFont(GothicFont(12, true));
    Label4->SetFontColor(Qt::white);
    Label4->SetCaption(QStringLiteral("くらろん！"));

    // The previews start as the main window's buttons do: built-in images,
    // outlines made from them.
    const int lefts[] = {8, 30, 46};
    TRgnBtn** previews[] = {&RgnBtn1, &RgnBtn2, &RgnBtn3};
    for (int i = 0; i < 3; ++i) {
        auto* b = new TRgnBtn(this, QStringLiteral("RgnBtn%1").arg(i + 1));
        b->setGeometry(lefts[i], -2, 19, 21);
        const QImage normal = BuiltinImage(QStringLiteral("button%1.png").arg(i + 1));
        b->SetGlyph(1, normal);
        b->SetGlyph(2, BuiltinImage(QStringLiteral("button%1b.png").arg(i + 1)));
        b->SetRgnData(OutlineOfImage(normal));
        b->RefreshRgn();
        b->installEventFilter(this);
        *previews[i] = b;
    }

    GroupBox1 = MakeGroup(this, "GroupBox1", QStringLiteral("終了ﾎﾞﾀﾝ位置"), QRect(5, 32, 110, 70));
    GroupBox2 = MakeGroup(this, "GroupBox2", QStringLiteral("ｼｪｰﾄﾞﾎﾞﾀﾝ位置"), QRect(136, 32, 110, 70));
    GroupBox3 = MakeGroup(this, "GroupBox3", QStringLiteral("ﾂｰﾙﾊﾞｰﾎﾞﾀﾝ位置"), QRect(263, 32, 110, 70));
    struct Arrow {
        TButton*& Button;
        QGroupBox* Group;
        const char* Caption;
        int Left, Top;
    };
    const Arrow arrows[] = {
        {Button2, GroupBox1, "↑", 45, 14},  {Button3, GroupBox1, "↓", 45, 39},
        {Button4, GroupBox1, "←", 20, 28},  {Button5, GroupBox1, "→", 70, 27},
        {Button6, GroupBox2, "↑", 44, 14},  {Button7, GroupBox2, "↓", 44, 39},
        {Button8, GroupBox2, "←", 19, 28},  {Button9, GroupBox2, "→", 69, 27},
        {Button10, GroupBox3, "↑", 43, 15}, {Button11, GroupBox3, "↓", 43, 40},
        {Button12, GroupBox3, "←", 18, 29}, {Button13, GroupBox3, "→", 68, 28},
    };
    int number = 2;
    for (const Arrow& a : arrows) {
        a.Button = new TButton(a.Group, QStringLiteral("Button%1").arg(number++), QString::fromUtf8(a.Caption));
        a.Button->setGeometry(a.Left, a.Top, 25, 25);
        a.Button->setFocusPolicy(Qt::ClickFocus);  // out of the Tab order
        a.Button->setAutoDefault(false);           // Enter is the name box's
        a.Button->installEventFilter(this);
    }

    GroupBox4 = MakeGroup(this, "GroupBox4", QStringLiteral("スキンパス設定"), QRect(392, 32, 217, 70));
    ComboBox1 = new QComboBox(GroupBox4);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(8, 34, 137, 20);
    ComboBox1->setEditText(QStringLiteral("Default"));
    // Keys reach the box itself (its text field hands focus to it).
    ComboBox1->installEventFilter(this);
    ComboBox1->lineEdit()->installEventFilter(this);
    RgnBtn6 = PushButton(GroupBox4, "RgnBtn6", {148, 34}, Label2, "Label2", QStringLiteral("読込"), {168, 39});

    GroupBox5 = MakeGroup(this, "GroupBox5", QStringLiteral("色設定"), QRect(5, 112, 161, 49));
    RgnBtn7 = PushButton(GroupBox5, "RgnBtn7", {12, 21}, Label5, "Label5", QStringLiteral("ｷｬﾌﾟｼｮﾝ"), {21, 25});
    RgnBtn8 = PushButton(GroupBox5, "RgnBtn8", {92, 21}, Label6, "Label6", QStringLiteral("ﾎﾞﾀﾝ"), {111, 25});

    RgnBtn4 = PushButton(this, "RgnBtn4", {504, 136}, Label3, "Label3", QStringLiteral("反映"), {524, 140});
    RgnBtn5 = PushButton(this, "RgnBtn5", {576, 136}, Label1, "Label1", QStringLiteral("終了"), {596, 140});

    QGroupBox* groups[] = {GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox5};
    TMDIWallpaper** walls[] = {&MDIWallpaper2, &MDIWallpaper3, &MDIWallpaper4, &MDIWallpaper5, &MDIWallpaper6};
    for (int i = 0; i < 5; ++i)
        *walls[i] = new TMDIWallpaper(groups[i], QStringLiteral("MDIWallpaper%1").arg(i + 2));
}

void TForm4::ConnectHandlers() {
    void (TForm4::*const arrowHandlers[])() = {
        &TForm4::Button2Click, &TForm4::Button3Click,  &TForm4::Button4Click,  &TForm4::Button5Click,
        &TForm4::Button6Click, &TForm4::Button7Click,  &TForm4::Button8Click,  &TForm4::Button9Click,
        &TForm4::Button10Click, &TForm4::Button11Click, &TForm4::Button12Click, &TForm4::Button13Click};
    TButton* arrowButtons[] = {Button2, Button3, Button4,  Button5,  Button6,  Button7,
                               Button8, Button9, Button10, Button11, Button12, Button13};
    for (int i = 0; i < 12; ++i) connect(arrowButtons[i], &QPushButton::clicked, this, arrowHandlers[i]);
    connect(RgnBtn4, &TRgnBtn::clicked, this, &TForm4::RgnBtn4Click);
    connect(RgnBtn5, &TRgnBtn::clicked, this, &TForm4::RgnBtn5Click);
    connect(RgnBtn6, &TRgnBtn::clicked, this, &TForm4::RgnBtn6Click);
    connect(RgnBtn7, &TRgnBtn::clicked, this, &TForm4::RgnBtn7Click);
    connect(RgnBtn8, &TRgnBtn::clicked, this, &TForm4::RgnBtn8Click);
}

// ---- skin folders ----

std::string TForm4::CurrentSkinRoot() const {
    const TForm5& settings = FProgram.Form5();
    return SkinRoot(FProgram.ProgramFolder(), settings.CheckBox4->isChecked(), PathPiece(settings.Edit3->text()));
}

std::string TForm4::CurrentSkinFolder() const {
    return SkinFolder(CurrentSkinRoot(), PathPiece(ComboBox1->currentText()));
}

void TForm4::RefillSkinList() {
    const QString text = ComboBox1->currentText();
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const std::string& name : ListSkins(CurrentSkinRoot())) ComboBox1->addItem(FromPathPiece(name));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(text);
}

// ---- skin.dat ----

TSkinDat TForm4::DialogSkinDat() const {
    TSkinDat dat;
    dat.Name = QStringToSjis(ComboBox1->currentText());
    dat.Button1Top = RgnBtn1->y();
    dat.Button1Left = RgnBtn1->x();
    dat.Button2Top = RgnBtn2->y();
    dat.Button2Left = RgnBtn2->x();
    dat.Button3Top = RgnBtn3->y();
    dat.Button3Left = RgnBtn3->x();
    dat.TitleColor = static_cast<int32_t>(ColorToRGB(TitleColor));
    dat.CaptionColor = static_cast<int32_t>(ColorToRGB(CaptionColor));
    return dat;
}

void TForm4::SetDialogSkinDat(const TSkinDat& dat) {
    // The name box is rewritten only when the name changed, so a name with
    // characters outside code page 932 survives a file that stops early.
    if (dat.Name != QStringToSjis(ComboBox1->currentText())) ComboBox1->setEditText(SjisToQString(dat.Name));
    RgnBtn1->move(dat.Button1Left, dat.Button1Top);
    RgnBtn2->move(dat.Button2Left, dat.Button2Top);
    RgnBtn3->move(dat.Button3Left, dat.Button3Top);
    TitleColor = static_cast<TColor>(dat.TitleColor) & 0xFFFFFF;
    CaptionColor = static_cast<TColor>(dat.CaptionColor) & 0xFFFFFF;
}

void TForm4::ReadSkinDatIntoDialog(const std::string& path) {
    // The reader fills the values in file order; those read before a failing
    // line are kept, as they would be had each gone straight to its control.
    TSkinDat dat = DialogSkinDat();
    try {
        ReadSkinDat(path, dat);
    } catch (...) {
        SetDialogSkinDat(dat);
        throw;
    }
    SetDialogSkinDat(dat);
}

// ---- start-up ----

void TForm4::ApplySavedSkinAtStart() {
    const TIniGT ini(FProgram.IniFileName());
    TSettingsValues values;
    values.SkinName = QStringToSjis(ComboBox1->currentText());
    LoadSkinName(ini, values);
    ComboBox1->setEditText(SjisToQString(values.SkinName));
    // At start-up the skin is looked for under the program folder only,
    // whatever the local-skin settings say.
    const std::string dat =
        SkinDatPath(IncludeTrailingPathDelimiter(FProgram.ProgramFolder()), PathPiece(ComboBox1->currentText()));
    if (!FileExists(dat)) return;
    ReadSkinDatIntoDialog(dat);
    RgnBtn4Click();
}

void TForm4::ApplyColours() {
    SetCaptionColour(FProgram.Form1().Label1, TitleColor);
    TForm2& entry = FProgram.Form2();
    TForm3& jump = FProgram.Form3();
    TForm5& settings = FProgram.Form5();
    for (TLabel* label : {entry.Label3, entry.Label4, jump.Label2, jump.Label3,
                          settings.Label5, settings.Label6, Label1, Label2, Label3, Label5, Label6})
        SetCaptionColour(label, CaptionColor);
}

// ---- activation ----

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Activation runs from the event loop once the dialog is up, so that the
    // messages and the settings dialog it may show open over it.
    if (!FActivationQueued) {
        FActivationQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                FActivationQueued = false;
                if (isVisible()) FormActivate();
            },
            Qt::QueuedConnection);
    }
}

void TForm4::hideEvent(QHideEvent* event) {
    EndDrag();
    QDialog::hideEvent(event);
}

bool TForm4::ActivatePass() {
    Label4->SetFontColor(FProgram.Form1().Label1->FontColor());
    Label4->move(width() / 2 - Label4->width() / 2, Image1->height() / 2 - (Label4->height() / 10) * 7);

    FActivatedOnce = true;
    FRememberedName = ComboBox1->currentText();
    ComboBox1->lineEdit()->selectAll();
    if (ComboBox1->currentText().isEmpty()) ComboBox1->setEditText(QStringLiteral("Default"));

    RefillSkinList();
    return DirectoryExists(CurrentSkinFolder());
}

void TForm4::FormActivate() {
    // A missing skin folder sends the user to the settings dialog. The
    // activation starts again after it only when the user changed the skin
    // settings there (or the folder has appeared meanwhile); otherwise asking
    // again would never end. Then the dialog stays open to pick another skin
    // from its list, or closes when the skin root holds none.
    TForm5& settings = FProgram.Form5();
    while (!ActivatePass()) {
        ShowMessage(QStringLiteral("スキン用のパスが正しく設定されていません。"));
        const bool localBefore = settings.CheckBox4->isChecked();
        const QString pathBefore = settings.Edit3->text();
        ShowModal(settings);
        const bool changed = settings.CheckBox4->isChecked() != localBefore || settings.Edit3->text() != pathBefore;
        if (changed || DirectoryExists(CurrentSkinFolder())) continue;
        if (ComboBox1->count() == 0) Close();
        return;
    }
    LoadPreview(CurrentSkinFolder());
}

// ---- load and apply ----

void TForm4::LoadPreview(const std::string& folder) {
    Image1->SetPicture(SkinImage(folder, "caption.bmp"));
    TRgnBtn* previews[] = {RgnBtn1, RgnBtn2, RgnBtn3};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        previews[i]->SetGlyph(1, SkinImage(folder, "button" + n + ".bmp"));
        previews[i]->SetGlyph(2, SkinImage(folder, "button" + n + "b.bmp"));
    }
    for (TMDIWallpaper* wall : {MDIWallpaper1, MDIWallpaper2, MDIWallpaper3, MDIWallpaper4, MDIWallpaper5, MDIWallpaper6})
        SetWall(wall, folder);
    for (TRgnBtn* preview : previews) preview->RefreshRgn();
}

void TForm4::LoadPushButtons(const std::string& folder) {
    TForm2& entry = FProgram.Form2();
    TForm3& jump = FProgram.Form3();
    TForm5& settings = FProgram.Form5();
    LoadPush(entry.Button1, folder, false);
    LoadPush(entry.Button2, folder, true);
    LoadPush(jump.Button1, folder, false);
    LoadPush(jump.Button2, folder, false);
    for (TRgnBtn* own : {RgnBtn4, RgnBtn5, RgnBtn6, RgnBtn7, RgnBtn8}) LoadPush(own, folder, false);
    LoadPush(settings.RgnBtn1, folder, false);
    LoadPush(settings.RgnBtn2, folder, false);
}

void TForm4::RgnBtn6Click() {
    const QString name = ComboBox1->currentText();
    if (name.isEmpty()) return;
    const std::string folder = CurrentSkinFolder();
    if (!DirectoryExists(folder)) {
        ShowMessage(name + QStringLiteral("は存在しないスキンフォルダです。"));
        ComboBox1->setEditText(FRememberedName);
        ComboBox1->lineEdit()->selectAll();
        return;
    }
    LoadPreview(folder);
    LoadPushButtons(folder);
    const std::string dat = folder + "skin.dat";
    if (FileExists(dat)) {
        ReadSkinDatIntoDialog(dat);
        Label4->SetFontColor(ColorToQColor(TitleColor));
        for (TLabel* label : {Label1, Label2, Label3, Label5, Label6}) SetCaptionColour(label, CaptionColor);
    }
}

void TForm4::RgnBtn4Click() {
    const QString name = ComboBox1->currentText();
    if (name.isEmpty()) return;
    const std::string folder = CurrentSkinFolder();
    if (!DirectoryExists(folder)) {
        ShowMessage(name + QStringLiteral("は存在しないスキンフォルダです。"));
        // Before the first activation there is no remembered name to go back
        // to; the saved skin name then stays rather than being emptied.
        if (FActivatedOnce) ComboBox1->setEditText(FRememberedName);
        Close();
        return;
    }
    // Another skin than the one the dialog opened with: its own positions and
    // colours come first. The images below still come from `folder`.
    if (name != FRememberedName) RgnBtn6Click();

    TForm1& main = FProgram.Form1();
    main.Rgn1->SetRgnBitmap(SkinImage(folder, "caption.bmp"));
    TRgnBtn* titleButtons[] = {main.RgnBtn1, main.RgnBtn2, main.RgnBtn3};
    TRgnBtn* previews[] = {RgnBtn1, RgnBtn2, RgnBtn3};
    for (int i = 0; i < 3; ++i) {
        titleButtons[i]->move(titleButtons[i]->x(), previews[i]->y());
        titleButtons[i]->move(previews[i]->x(), titleButtons[i]->y());
        const std::string n = std::to_string(i + 1);
        titleButtons[i]->SetGlyph(1, SkinImage(folder, "button" + n + ".bmp"));
        titleButtons[i]->SetGlyph(2, SkinImage(folder, "button" + n + "b.bmp"));
    }

    main.Clock1->SetBack(SkinImage(folder, "wall.bmp"));
    TForm5& settings = FProgram.Form5();
    SetWall(FProgram.Form2().MDIWallpaper1, folder);
    SetWall(FProgram.Form3().MDIWallpaper1, folder);
    SetWall(settings.MDIWallpaper1, folder);
    SetWall(settings.MDIWallpaper2, folder);

    LoadPushButtons(folder);
    LoadPush(settings.RgnBtn3, folder, true);

    ApplyColours();

    // The strip's window takes the outline prepared before this step; the
    // outline for the new image is prepared for the next one.
    main.Rgn1->ApplyRgn();
    main.Rgn1->SetTransparent(false);
    main.Rgn1->PrepareRgn();
    for (TRgnBtn* b : titleButtons) b->RefreshRgn();

    WriteSkinDat(folder + "skin.dat", DialogSkinDat());
    Close();
}

// ---- closing ----

void TForm4::Close() {
    if (isVisible())
        reject();
    else
        FormClose();  // hidden (the apply step at start-up): only the close handling
}

void TForm4::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm4::FormClose() {
    EndDrag();
    if (ComboBox1->currentText().isEmpty()) ComboBox1->setEditText(FRememberedName);
}

void TForm4::RgnBtn5Click() {
    ComboBox1->setEditText(FRememberedName);
    Close();
}

void TForm4::ComboBox1KeyPress(char& key) {
    if (key == 27)
        Close();
    else if (key == 13)
        RgnBtn6Click();
}

void TForm4::Button3KeyDown(int& key) {
    if (key == 27) Close();
}

// ---- colours ----

void TForm4::RgnBtn7Click() {
    // The chooser starts from the preview title's colour; cancelling it keeps
    // that colour.
    TitleColor = QColorToColor(Label4->FontColor());
    QColor color = ColorToQColor(TitleColor);
    if (ChooseColor(color, this)) TitleColor = QColorToColor(color);
    Label4->SetFontColor(ColorToQColor(TitleColor));
}

void TForm4::RgnBtn8Click() {
    CaptionColor = QColorToColor(Label1->FontColor());
    QColor color = ColorToQColor(CaptionColor);
    if (ChooseColor(color, this)) CaptionColor = QColorToColor(color);
    for (TLabel* label : {Label1, Label2, Label3, Label5, Label6}) SetCaptionColour(label, CaptionColor);
}

// ---- moving the title buttons ----

void TForm4::MovePreview(TRgnBtn* button, int dx, int dy) { button->move(button->x() + dx, button->y() + dy); }

void TForm4::Button2Click() { MovePreview(RgnBtn1, 0, -1); }
void TForm4::Button3Click() { MovePreview(RgnBtn1, 0, 1); }
void TForm4::Button4Click() { MovePreview(RgnBtn1, -1, 0); }
void TForm4::Button5Click() { MovePreview(RgnBtn1, 1, 0); }
void TForm4::Button6Click() { MovePreview(RgnBtn2, 0, -1); }
void TForm4::Button7Click() { MovePreview(RgnBtn2, 0, 1); }
void TForm4::Button8Click() { MovePreview(RgnBtn2, -1, 0); }
void TForm4::Button9Click() { MovePreview(RgnBtn2, 1, 0); }
void TForm4::Button10Click() { MovePreview(RgnBtn3, 0, -1); }
void TForm4::Button11Click() { MovePreview(RgnBtn3, 0, 1); }
void TForm4::Button12Click() { MovePreview(RgnBtn3, -1, 0); }
void TForm4::Button13Click() { MovePreview(RgnBtn3, 1, 0); }

void TForm4::RgnBtn1MouseDown() { BeginDrag(RgnBtn1); }
void TForm4::RgnBtn2MouseDown() { BeginDrag(RgnBtn2); }
void TForm4::RgnBtn3MouseDown() { BeginDrag(RgnBtn3); }

void TForm4::Image1DragOver(QObject* source, int, int, bool& accept) {
    accept = qobject_cast<TRgnBtn*>(source) != nullptr;
}

void TForm4::Image1DragDrop(QObject* source, int x, int y) {
    auto* button = qobject_cast<TRgnBtn*>(source);
    if (!button) return;
    button->move(x - 8, y - 8);
    button->RefreshRgn();
}

void TForm4::BeginDrag(TRgnBtn* button) {
    EndDrag();
    FDragSource = button;
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
}

// The drag follows the mouse while the pressed button keeps it; only the
// preview strip takes the drop.
void TForm4::DragTo(const QPoint& dialogPoint, bool drop) {
    TRgnBtn* source = FDragSource;
    if (!source) return;
    const QPoint at = Image1->mapFrom(this, dialogPoint);
    bool accept = false;
    if (Image1->rect().contains(at)) Image1DragOver(source, at.x(), at.y(), accept);
    if (!drop) {
        QApplication::changeOverrideCursor(accept ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
        return;
    }
    EndDrag();
    if (accept) Image1DragDrop(source, at.x(), at.y());
}

void TForm4::EndDrag() {
    if (!FDragSource) return;
    FDragSource = nullptr;
    QApplication::restoreOverrideCursor();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == RgnBtn1 || watched == RgnBtn2 || watched == RgnBtn3) {
        auto* button = static_cast<TRgnBtn*>(watched);
        if (type == QEvent::MouseButtonPress) {
            if (button == RgnBtn1)
                RgnBtn1MouseDown();
            else if (button == RgnBtn2)
                RgnBtn2MouseDown();
            else
                RgnBtn3MouseDown();
        } else if ((type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) && button == FDragSource) {
            const auto* e = static_cast<QMouseEvent*>(event);
            DragTo(button->mapTo(this, e->position().toPoint()), type == QEvent::MouseButtonRelease);
        }
        return false;
    }
    if (type == QEvent::KeyPress) {
        const int code = KeyCode(static_cast<QKeyEvent*>(event));
        if ((watched == ComboBox1 || watched == ComboBox1->lineEdit()) && code) {
            char key = static_cast<char>(code);
            ComboBox1KeyPress(key);
            return true;
        }
        if (code == 27 && qobject_cast<TButton*>(watched) && watched->parent() &&
            qobject_cast<QGroupBox*>(watched->parent())) {
            int key = code;
            Button3KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
