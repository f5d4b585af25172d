#pragma once
// Bitmap-shaped controls: the image button with an outline (TRgnBtn) and the
// title strip image (TRgn).
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <vector>

class TLabel;

// An image drawn with its colour key: every pixel of the colour of its
// bottom-left pixel is left transparent.
QImage ColorKeyed(const QImage& image);
// The outline of an image as row bands: a pixel belongs to it when its colour
// differs from the image's bottom-left pixel. Rectangles are right- and
// bottom-exclusive, top to bottom.
std::vector<QRect> OutlineOfImage(const QImage& image);
// The rounded bar outline every 61 x 20 push button has.
const std::vector<QRect>& PushButtonOutline();

// A button drawn from three images: Glyph1 normal, Glyph2 pressed, Glyph3
// disabled. A press inside the outline shows the pressed image until the
// button is released; the click works on the whole rectangle.
class TRgnBtn : public QWidget {
    Q_OBJECT
public:
    explicit TRgnBtn(QWidget* parent = nullptr, const QString& name = {});

    const QImage& Glyph(int slot) const;  // slot 1, 2 or 3
    void SetGlyph(int slot, const QImage& image);
    const QImage& Glyph1() const { return Glyph(1); }
    const QImage& Glyph2() const { return Glyph(2); }
    const QImage& Glyph3() const { return Glyph(3); }

    // The stored outline (in the normal image's pixels).
    const std::vector<QRect>& RgnData() const { return FRgnData; }
    void SetRgnData(std::vector<QRect> rects);
    // Rebuilds the area from the stored outline, scaled by the button's size
    // over the normal image's size. Raises Exception "<name>:Glyph1 の…" when
    // the normal image has no pixels.
    void RefreshRgn();
    // The area in use, in button coordinates.
    const QRegion& Region() const { return FRegion; }

    bool Pressed() const { return FPressed; }
    // The image shown now (after the disabled/pressed rules), or a null image.
    const QImage& ShownGlyph() const;

    // A caption label laid over the button: its click is the button's click.
    void BindLabel(TLabel* label);

signals:
    void clicked();
    void mousePressed(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int ShownSlot() const;  // index into FGlyphs

    QImage FGlyphs[3];
    QImage FKeyed[3];
    std::vector<QRect> FRgnData;
    QRegion FRegion;
    bool FPressed = false;
    bool FDown = false;
};

// A 61 x 20 push button of the dialogs: the built-in push images (normal,
// pressed, disabled) and outline, with its caption label centred over it. The
// label takes `captionFont` when given, else the parent's font.
TRgnBtn* MakePushButton(QWidget* parent, const QString& name, int left, int top, TLabel*& label,
                        const QString& labelName, const QString& caption, const QFont* captionFont = nullptr);

// The title strip: one image, drawn with its colour key while Transparent is
// on and stretched opaque over the control once it is off. Its outline can be
// handed to the strip's window (the parent) as that window's shape.
class TRgn : public QWidget {
    Q_OBJECT
public:
    explicit TRgn(QWidget* parent = nullptr, const QString& name = {});

    const QImage& RgnBitmap() const { return FBitmap; }
    void SetRgnBitmap(const QImage& image);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool on);

    const std::vector<QRect>& RgnData() const { return FRgnData; }
    void SetRgnData(std::vector<QRect> rects);
    // Builds the next area from the outline, scaled by the control's size over
    // the image's and moved by its position. Raises Exception
    // "<name>:RgnBitmap の…" when the image has no pixels.
    void PrepareRgn();
    // Gives the prepared area to the parent window as its shape.
    void ApplyRgn();
    const QRegion& PreparedRegion() const { return FPrepared; }

signals:
    void mousePressed(QMouseEvent* event);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage FBitmap;
    QImage FKeyed;
    bool FTransparent = true;
    std::vector<QRect> FRgnData;
    QRegion FPrepared;
};
