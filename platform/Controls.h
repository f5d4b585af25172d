#pragma once
// Small general controls: docking (align) inside a container, panels with a
// caption and bevels, clickable transparent labels and the status bar.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QString>
#include <vector>

// The program's user-interface face, ＭＳ Ｐゴシック (or what stands in for
// it), at a pixel height.
QFont GothicFont(int pixelHeight, bool bold = false);

// A dialog with a fixed frame: caption, client size, the program's 12-pixel
// face; centred on the screen when shown.
void SetupFixedDialog(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight);

// Docking of a control inside its container. Controls are placed in the order
// top, bottom, left, right, fill; within one kind in the order they were
// docked. A docked control keeps its own height (top, bottom) or width (left,
// right) and takes the rest of the free area's other side; a hidden one takes
// no room.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TAlignLayout : public QLayout {
public:
    explicit TAlignLayout(QWidget* parent);
    ~TAlignLayout() override;

    void Dock(QWidget* child, TAlign align);
    TAlign AlignOf(const QWidget* child) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(FItems.size()); }
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& rect) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item {
        QLayoutItem* LayoutItem;
        TAlign Align;
    };
    std::vector<Item> FItems;
};

// Docks `child` in its parent (creating the parent's align layout when needed)
// and places everything at once. alNone takes it out of the docking.
void SetAlign(QWidget* child, TAlign align);
// Places the docked children of `container` now rather than at the next event.
void Realign(QWidget* container);

enum class TBevel { bvNone, bvLowered, bvRaised };

// A container with an optional centred caption and a one-pixel outer and
// inner bevel.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr, const QString& name = {});

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevel bevel);
    TBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevel bevel);
    // The background colour (the button face by default).
    void SetColor(const QColor& color);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString FCaption;
    TBevel FBevelOuter = TBevel::bvNone;
    TBevel FBevelInner = TBevel::bvNone;
    bool FPressed = false;
};

// A label drawn without background that reports clicks, double clicks and
// presses (so it can stand for the control under it).
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr, const QString& name = {}, const QString& caption = {});
    // Sizes the label to its text, as an auto-sized label does.
    void SetCaption(const QString& caption);
    void SetFontColor(const QColor& color);
    QColor FontColor() const;

signals:
    void clicked();
    void doubleClicked();
    void mousePressed(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool FPressed = false;
};

// A small push button: a raised box with its caption centred, drawn the
// same at any size (the navigation buttons are 17 x 17).
class TButton : public QPushButton {
    Q_OBJECT
public:
    TButton(QWidget* parent, const QString& name, const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The status bar: a row of sunken text panels; the last one takes the rest.
class TStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr, const QString& name = {});

    // Panels with their widths (the last width is ignored).
    void SetPanelCount(int count, const std::vector<int>& widths = {});
    int PanelCount() const { return static_cast<int>(FTexts.size()); }
    QString PanelText(int index) const { return FTexts.at(index); }
    void SetPanelText(int index, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QString> FTexts;
    std::vector<int> FWidths;
};
