#include "platform/RgnBtn.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/BuiltinImages.h"
#include "platform/Controls.h"
#include "platform/Exception.h"

QImage ColorKeyed(const QImage& image) {
    if (image.isNull()) return {};
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1) & 0x00FFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == key) line[x] = 0;
    }
    return out;
}

std::vector<QRect> OutlineOfImage(const QImage& image) {
    std::vector<QRect> rects;
    if (image.isNull()) return rects;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = img.pixel(0, img.height() - 1) & 0x00FFFFFF;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < img.width()) {
            while (x < img.width() && (line[x] & 0x00FFFFFF) == key) ++x;
            const int start = x;
            while (x < img.width() && (line[x] & 0x00FFFFFF) != key) ++x;
            if (x > start) rects.emplace_back(start, y, x - start, 1);
        }
    }
    return rects;
}

const std::vector<QRect>& PushButtonOutline() {
    // One band a row group: a bar with rounded ends.
    static const std::vector<QRect> outline = [] {
        const int bands[][4] = {{6, 0, 55, 1},   {4, 1, 57, 2},   {3, 2, 58, 3},   {2, 3, 59, 4},
                                {1, 4, 60, 6},   {0, 6, 61, 14},  {1, 14, 60, 16}, {2, 16, 59, 17},
                                {3, 17, 58, 18}, {4, 18, 57, 19}, {6, 19, 55, 20}};
        std::vector<QRect> r;
        for (const auto& b : bands) r.emplace_back(b[0], b[1], b[2] - b[0], b[3] - b[1]);
        return r;
    }();
    return outline;
}

namespace {

// Scales right/bottom-exclusive rectangles and moves them by an offset.
QRegion ScaledRegion(const std::vector<QRect>& rects, double sx, double sy, QPoint offset = {}) {
    QRegion region;
    for (const QRect& r : rects) {
        const int l = static_cast<int>(std::lround(r.left() * sx));
        const int t = static_cast<int>(std::lround(r.top() * sy));
        const int rr = static_cast<int>(std::lround((r.left() + r.width()) * sx));
        const int b = static_cast<int>(std::lround((r.top() + r.height()) * sy));
        if (rr > l && b > t) region += QRect(l + offset.x(), t + offset.y(), rr - l, b - t);
    }
    return region;
}

}  // namespace

// ---- TRgnBtn ----

TRgnBtn::TRgnBtn(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

const QImage& TRgnBtn::Glyph(int slot) const { return FGlyphs[std::clamp(slot, 1, 3) - 1]; }

void TRgnBtn::SetGlyph(int slot, const QImage& image) {
    const int i = std::clamp(slot, 1, 3) - 1;
    FGlyphs[i] = image;
    FKeyed[i] = ColorKeyed(image);
    update();
}

void TRgnBtn::SetRgnData(std::vector<QRect> rects) { FRgnData = std::move(rects); }

void TRgnBtn::RefreshRgn() {
    const QImage& g = FGlyphs[0];
    if (g.isNull() || g.width() == 0 || g.height() == 0)
        throw Exception(objectName().toStdString() + ":Glyph1 のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");
    FRegion = ScaledRegion(FRgnData, double(width()) / g.width(), double(height()) / g.height());
}

int TRgnBtn::ShownSlot() const {
    if (!isEnabled() && !FGlyphs[2].isNull()) return 2;
    return FPressed ? 1 : 0;
}

const QImage& TRgnBtn::ShownGlyph() const { return FGlyphs[ShownSlot()]; }

void TRgnBtn::BindLabel(TLabel* label) {
    connect(label, &TLabel::clicked, this, [this] { emit clicked(); });
}

TRgnBtn* MakePushButton(QWidget* parent, const QString& name, int left, int top, TLabel*& label,
                        const QString& labelName, const QString& caption, const QFont* captionFont) {
    auto* button = new TRgnBtn(parent, name);
    button->setGeometry(left, top, 61, 20);
    button->SetGlyph(1, BuiltinImage(QStringLiteral("push1.png")));
    button->SetGlyph(2, BuiltinImage(QStringLiteral("push1b.png")));
    button->SetGlyph(3, BuiltinImage(QStringLiteral("push1c.png")));
    button->SetRgnData(PushButtonOutline());
    button->RefreshRgn();
    label = new TLabel(parent, labelName);
    if (captionFont) label->setFont(*captionFont);
    label->SetCaption(caption);
    label->move(left + (61 - label->width()) / 2, top + (20 - label->height()) / 2);
    button->BindLabel(label);
    return button;
}

void TRgnBtn::paintEvent(QPaintEvent*) {
    const QImage& shown = FKeyed[ShownSlot()];
    if (shown.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, shown);
}

void TRgnBtn::mousePressEvent(QMouseEvent* event) {
    FDown = true;
    // Only a press inside the outline shows the pressed image.
    if (event->button() == Qt::LeftButton && FRegion.contains(event->position().toPoint())) {
        FPressed = true;
        update();
    }
    emit mousePressed(event);
}

void TRgnBtn::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FDown && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FDown = false;
    if (FPressed) {
        FPressed = false;
        update();
    }
    if (click) emit clicked();
}

void TRgnBtn::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

// ---- TRgn ----

TRgn::TRgn(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TRgn::SetRgnBitmap(const QImage& image) {
    FBitmap = image;
    FKeyed = ColorKeyed(image);
    update();
}

void TRgn::SetTransparent(bool on) {
    if (on == FTransparent) return;
    FTransparent = on;
    setAttribute(Qt::WA_TranslucentBackground, on);
    update();
}

void TRgn::SetRgnData(std::vector<QRect> rects) { FRgnData = std::move(rects); }

void TRgn::PrepareRgn() {
    if (FBitmap.isNull() || FBitmap.width() == 0 || FBitmap.height() == 0)
        throw Exception(objectName().toStdString() + ":RgnBitmap のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");
    FPrepared = ScaledRegion(FRgnData, double(width()) / FBitmap.width(), double(height()) / FBitmap.height(),
                             pos());
}

void TRgn::ApplyRgn() {
    if (QWidget* strip = parentWidget()) {
        if (FPrepared.isEmpty())
            strip->clearMask();
        else
            strip->setMask(FPrepared);
    }
}

void TRgn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (FTransparent) {
        if (!FKeyed.isNull()) p.drawImage(0, 0, FKeyed);
    } else if (!FBitmap.isNull()) {
        p.drawImage(rect(), FBitmap);
    }
}

void TRgn::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }

void TRgn::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}
