// Draws the skins we ship, one folder each under the output folder: the title
// strip, the three title buttons (normal and pressed), the dialogs' push button
// (normal, pressed, disabled), the background tile and skin.dat. Run by
// make-skins.sh; its output is committed.
//
//   gen_skins OUTPUT_FOLDER BUILTIN_IMAGES_FOLDER [--sheet PNG]
//
// "Default" is the program's built-in look: its strip, title buttons and push
// buttons are the built-in images. The other skins are drawn from a palette.
// Every title button keeps the silhouette of the built-in button of its role,
// because the program takes a title button's pressable outline from the
// built-in image, never from a skin. --sheet also renders a contact sheet of
// the written skins, put together as the program would show them.
//
// Button images use a colour key: every pixel of the colour of the bottom-left
// pixel (magenta here) is left undrawn by the program.
#include "../images/TitleGlyph.h"
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

const QRgb kKey = qRgb(255, 0, 255);
constexpr int kStripWidth = 640, kStripHeight = 23;
constexpr int kButtonWidth = 19, kButtonHeight = 21;
constexpr int kPushWidth = 61, kPushHeight = 20;
// Every shipped tile has one size: a background keeps the largest tile it has
// been given as its pitch, so tiles of one size never leave gaps when the user
// switches between our skins. At least 38 x 53, the pitch a background starts with.
constexpr int kWallSize = 96;

// The push button's pressable outline, fixed by the program: one band of rows
// each (left, top, right, bottom), right and bottom exclusive.
constexpr int kPushBands[][4] = {{6, 0, 55, 1},   {4, 1, 57, 2},   {3, 2, 58, 3},   {2, 3, 59, 4},
                                 {1, 4, 60, 6},   {0, 6, 61, 14},  {1, 14, 60, 16}, {2, 16, 59, 17},
                                 {3, 17, 58, 18}, {4, 18, 57, 19}, {6, 19, 55, 20}};

enum class Decor { None, Blossoms, Stars };      // what the title strip shows beside the title
enum class Pattern { Waves, Blossoms, Stars };   // the motif of the background tile

struct PushLook {
    QColor top, bottom, border, highlight;  // fill gradient, one-pixel edge, line under the top edge
};

struct TitleButtonLook {
    QColor face, ring, glyph;
};

struct Skin {
    const char* name;
    QRgb title;           // title text colour (skin.dat line 8)
    QRgb caption;         // push-button caption colour (line 9)
    QPoint at[3];         // left and top of the close, shade and toolbar buttons on the strip
    bool builtinImages;   // strip, title and push buttons are the program's own images
    QColor stripTop, stripBottom, stripHighlight, stripShadow;
    Decor decor;
    TitleButtonLook buttons[3];   // close, shade, toolbar
    PushLook push[3];             // normal, pressed, disabled
    QColor wallBase, wallInk;
    Pattern pattern;
};

// One entry a skin. Colours are chosen so that the title text reads on the
// strip and the captions on all three push-button states; the tile stays light
// enough for the dialogs' dark texts and mid enough for the clock drawn on it.
const std::vector<Skin>& Skins() {
    static const std::vector<Skin> skins = {
        {
            .name = "Default",
            .title = qRgb(255, 255, 255),
            .caption = qRgb(0, 0, 0),
            .at = {{7, 1}, {30, 1}, {53, 1}},
            .builtinImages = true,
            .stripTop = {}, .stripBottom = {}, .stripHighlight = {}, .stripShadow = {},
            .decor = Decor::None,
            .buttons = {},
            .push = {},
            .wallBase = QColor(0xC9, 0xD4, 0xE0),
            .wallInk = QColor(0xBC, 0xC9, 0xD7),
            .pattern = Pattern::Waves,
        },
        {
            .name = "Spring",
            .title = qRgb(0x6E, 0x1F, 0x3F),
            .caption = qRgb(0x2C, 0x4F, 0x1F),
            .at = {{7, 1}, {28, 1}, {49, 1}},
            .builtinImages = false,
            .stripTop = QColor(0xFC, 0xE4, 0xEA),
            .stripBottom = QColor(0xF2, 0xB8, 0xC8),
            .stripHighlight = QColor(0xFF, 0xF6, 0xF8),
            .stripShadow = QColor(0x8C, 0xC0, 0x6A),
            .decor = Decor::Blossoms,
            .buttons = {{QColor(0xE0, 0x5A, 0x7C), {}, Qt::white},
                        {QColor(0x7C, 0xB8, 0x58), {}, Qt::white},
                        {QColor(0xE9, 0xB0, 0x3E), {}, Qt::white}},
            .push = {{QColor(0xF7, 0xFC, 0xF2), QColor(0xD4, 0xEB, 0xC1), QColor(0x7F, 0xA8, 0x63), Qt::white},
                     {QColor(0xC2, 0xDF, 0xAA), QColor(0xDA, 0xEE, 0xCA), QColor(0x5C, 0x89, 0x44),
                      QColor(0xB2, 0xD3, 0x97)},
                     {QColor(0xF3, 0xF5, 0xF1), QColor(0xE7, 0xEB, 0xE4), QColor(0xBE, 0xC8, 0xB7),
                      QColor(0xF9, 0xFA, 0xF8)}},
            .wallBase = QColor(0xF3, 0xD9, 0xE0),
            .wallInk = QColor(0xFB, 0xEE, 0xF2),
            .pattern = Pattern::Blossoms,
        },
        {
            .name = "Night",
            .title = qRgb(0xF2, 0xC9, 0x86),
            .caption = qRgb(0xF6, 0xD9, 0xA6),
            .at = {{8, 1}, {30, 1}, {52, 1}},
            .builtinImages = false,
            .stripTop = QColor(0x3B, 0x45, 0x56),
            .stripBottom = QColor(0x1E, 0x24, 0x2E),
            .stripHighlight = QColor(0x56, 0x62, 0x75),
            .stripShadow = QColor(0xC8, 0x8A, 0x3C),
            .decor = Decor::Stars,
            .buttons = {{QColor(0xD2, 0x67, 0x45), {}, QColor(0xFF, 0xF1, 0xDF)},
                        {QColor(0xD6, 0x9E, 0x3A), {}, QColor(0xFF, 0xF4, 0xDC)},
                        {QColor(0x5E, 0x7C, 0x99), {}, QColor(0xF1, 0xF4, 0xF8)}},
            .push = {{QColor(0x4C, 0x57, 0x6A), QColor(0x2A, 0x31, 0x3D), QColor(0x15, 0x19, 0x20),
                      QColor(0x6A, 0x77, 0x8C)},
                     {QColor(0x22, 0x28, 0x32), QColor(0x36, 0x3F, 0x4F), QColor(0xC8, 0x8A, 0x3C),
                      QColor(0x28, 0x2F, 0x3A)},
                     {QColor(0x5C, 0x63, 0x70), QColor(0x4E, 0x55, 0x61), QColor(0x3A, 0x40, 0x4B),
                      QColor(0x66, 0x6D, 0x7A)}},
            .wallBase = QColor(0xA8, 0xB1, 0xC6),
            .wallInk = QColor(0xE4, 0xE9, 0xF1),
            .pattern = Pattern::Stars,
        },
    };
    return skins;
}

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "gen_skins: %s\n", qPrintable(message));
    std::exit(1);
}

QImage Load(const QString& path) {
    QImage image(path);
    if (image.isNull()) Fail("cannot read " + path);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Plain 24-bit uncompressed Windows bitmaps: the variant every bitmap reader takes.
void SaveBmp(const QImage& image, const QString& path) {
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) Fail("cannot write " + path);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Calls draw once at every offset that can reach a tile of the given size, so
// a motif crossing an edge comes back in at the opposite one and the tile
// repeats without seams.
void Wrapped(QPainter& p, QSize size, const std::function<void()>& draw) {
    for (int dy : {-size.height(), 0, size.height()})
        for (int dx : {-size.width(), 0, size.width()}) {
            p.save();
            p.translate(dx, dy);
            draw();
            p.restore();
        }
}

// A five-petal cherry blossom with a notch at each petal's tip.
void Blossom(QPainter& p, QPointF centre, double radius, double turn, const QColor& petal, const QColor& heart,
             const QColor& edge = Qt::transparent) {
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(QPen(edge, 0.7));
    p.setBrush(petal);
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) {
        QPainterPath one;
        one.moveTo(0, 0);
        one.cubicTo(-radius * 0.55, -radius * 0.35, -radius * 0.45, -radius * 0.95, -radius * 0.14, -radius);
        one.lineTo(0, -radius * 0.84);
        one.lineTo(radius * 0.14, -radius);
        one.cubicTo(radius * 0.45, -radius * 0.95, radius * 0.55, -radius * 0.35, 0, 0);
        petals.addPath(QTransform().rotate(i * 72).map(one));
    }
    p.drawPath(petals.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(QPointF(0, 0), radius * 0.2, radius * 0.2);
    p.restore();
}

// A four-point twinkle.
void Twinkle(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QPainterPath star;
    const double w = radius * 0.22;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + w, centre.y() - w, centre.x() + radius, centre.y());
    star.quadTo(centre.x() + w, centre.y() + w, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - w, centre.y() + w, centre.x() - radius, centre.y());
    star.quadTo(centre.x() - w, centre.y() - w, centre.x(), centre.y() - radius);
    p.setPen(Qt::NoPen);
    p.fillPath(star, colour);
}

// ---- title strip ----

// Whether x lies where the title buttons or the centred title text sit, which
// stay plain so the buttons and the title read.
bool Busy(double x, double margin) {
    return x < 80 + margin || std::abs(x - kStripWidth / 2.0) < 56 + margin;
}

void StripBlossoms(QPainter& p, const Skin& s) {
    // A cherry branch reaching in from the right end, in flower along its length.
    QPainterPath branch(QPointF(646, 7));
    branch.cubicTo(600, 5, 560, 17, 470, 12);
    const QPointF fork = branch.pointAtPercent(0.3), knot = branch.pointAtPercent(0.66);
    QPainterPath twig(fork);
    twig.quadTo(fork + QPointF(-14, -5), fork + QPointF(-36, -4));
    QPainterPath sprig(knot);
    sprig.quadTo(knot + QPointF(-8, 5), knot + QPointF(-22, 5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8E, 0x5E, 0x5E, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch);
    p.setPen(QPen(QColor(0x8E, 0x5E, 0x5E, 160), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(twig);
    p.drawPath(sprig);
    const QColor petal(0xFF, 0xF5, 0xF8, 235), heart = s.buttons[0].face;
    struct Flower { const QPainterPath* on; double t, dx, dy, r; };
    const Flower flowers[] = {{&branch, 0.1, 0, 3, 6.5}, {&branch, 0.2, 3, -1, 5},  {&branch, 0.45, 0, 3, 7},
                              {&branch, 0.57, 2, -3, 5}, {&branch, 0.85, 0, 2, 6},  {&branch, 1.0, -5, 0, 5.5},
                              {&twig, 0.5, 0, 0, 5},     {&twig, 1.0, -4, 2, 6.5},  {&sprig, 1.0, -4, 0, 5}};
    for (const Flower& f : flowers)
        Blossom(p, f.on->pointAtPercent(f.t) + QPointF(f.dx, f.dy), f.r, f.t * 97 + f.r * 11, petal, heart,
                WithAlpha(heart, 90));
    // Buds and loose petals drifting towards the title.
    p.setPen(Qt::NoPen);
    p.setBrush(heart.lighter(125));
    for (const QPointF& at : {QPointF(588, 16), QPointF(526, 6), QPointF(484, 17)}) p.drawEllipse(at, 1.8, 1.8);
    QRandomGenerator rng(2024);
    for (int i = 0; i < 16;) {
        const double x = 86 + rng.bounded(kStripWidth - 180);
        if (Busy(x, 4)) continue;
        p.save();
        p.translate(x, 4 + rng.bounded(15.0));
        p.rotate(rng.bounded(180.0));
        p.setBrush(WithAlpha(i % 3 ? Qt::white : heart.lighter(140), 170));
        p.drawEllipse(QPointF(0, 0), 2.3, 1.3);
        p.restore();
        ++i;
    }
}

void StripStars(QPainter& p, const Skin& s) {
    QRandomGenerator rng(1969);
    for (int i = 0; i < 70;) {
        const double x = rng.bounded(double(kStripWidth));
        if (Busy(x, 0) || x > 560) continue;
        const double y = 1.5 + rng.bounded(19.0);
        const int bright = 60 + rng.bounded(150);
        p.fillRect(QRectF(std::floor(x), std::floor(y), 1, 1), WithAlpha(QColor(0xF4, 0xF1, 0xE6), bright));
        ++i;
    }
    for (double x : {128.0, 214.0, 420.0, 497.0}) Twinkle(p, QPointF(x, 7.5 + std::fmod(x, 9.0)), 3.2, QColor(0xFF, 0xF3, 0xD6, 210));
    // A crescent moon near the right end.
    const QPointF moon(604, 11.5);
    QPainterPath disc, bite;
    disc.addEllipse(moon, 7.5, 7.5);
    bite.addEllipse(moon + QPointF(3.4, -2.2), 6.8, 6.8);
    QRadialGradient glow(moon, 11);
    glow.setColorAt(0, WithAlpha(s.title, 70));
    glow.setColorAt(1, WithAlpha(s.title, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(moon, 11, 11);
    p.fillPath(disc.subtracted(bite), QColor(s.title).lighter(108));
}

QImage DrawnStrip(const Skin& s) {
    QImage img(kStripWidth, kStripHeight, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, kStripHeight);
    g.setColorAt(0, s.stripTop);
    g.setColorAt(1, s.stripBottom);
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    switch (s.decor) {
    case Decor::Blossoms: StripBlossoms(p, s); break;
    case Decor::Stars: StripStars(p, s); break;
    case Decor::None: break;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(s.stripHighlight);
    p.drawLine(0, 0, kStripWidth - 1, 0);
    p.setPen(s.stripShadow);
    p.drawLine(0, kStripHeight - 1, kStripWidth - 1, kStripHeight - 1);
    return img;
}

// The built-in strip marks its bottom-left pixel as its own colour key; a skin's
// strip is drawn opaque, so that pixel takes its neighbour's colour.
QImage BuiltinStrip(const QString& images) {
    QImage img = Load(images + "/caption.png");
    img.setPixel(0, img.height() - 1, img.pixel(1, img.height() - 1));
    return img;
}

// ---- title buttons ----

// Which pixels of a title button are drawn: those of the built-in button of
// the same role that differ from its key colour, within the top 19 x 20.
struct Silhouette {
    bool in[kButtonHeight][kButtonWidth] = {};
    QRect bounds;
};

Silhouette SilhouetteOf(const QImage& builtin) {
    if (builtin.size() != QSize(kButtonWidth, kButtonHeight)) Fail("built-in title button of a wrong size");
    Silhouette s;
    const QRgb key = builtin.pixel(0, kButtonHeight - 1);
    for (int y = 0; y < kButtonHeight - 1; ++y)
        for (int x = 0; x < kButtonWidth; ++x)
            if (builtin.pixel(x, y) != key) {
                s.in[y][x] = true;
                s.bounds |= QRect(x, y, 1, 1);
            }
    return s;
}

// A round button drawn over the part of the strip it sits on, so its soft
// edge blends into the strip, with everything outside the silhouette keyed out.
QImage DrawnTitleButton(const QImage& strip, QPoint at, const Silhouette& shape, const TitleButtonLook& look, int role,
                        bool pressed) {
    QImage img = strip.copy(at.x(), at.y(), kButtonWidth, kButtonHeight);
    const QRectF circle(shape.bounds);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = pressed ? look.face.darker(122) : look.face;
    QLinearGradient g(0, circle.top(), 0, circle.bottom());
    g.setColorAt(0, pressed ? base : base.lighter(120));
    g.setColorAt(1, pressed ? base.lighter(108) : base.darker(110));
    p.setPen(QPen(look.ring.isValid() ? look.ring : base.darker(140), 1));
    p.setBrush(g);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    if (!pressed) {  // a soft gleam on the upper half
        QLinearGradient gleam(0, circle.top(), 0, circle.center().y());
        gleam.setColorAt(0, WithAlpha(Qt::white, 90));
        gleam.setColorAt(1, WithAlpha(Qt::white, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gleam);
        p.drawEllipse(QRectF(circle.left() + 3, circle.top() + 1.5, circle.width() - 6, circle.height() / 2 - 1));
    }
    p.translate(pressed ? 0.5 : 0, pressed ? 1 : 0);
    p.setPen(QPen(WithAlpha(look.glyph, 240), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    TitleGlyph(p, role, circle.center());
    p.end();
    for (int y = 0; y < kButtonHeight; ++y)
        for (int x = 0; x < kButtonWidth; ++x)
            if (!shape.in[y][x]) img.setPixel(x, y, kKey);
    return img;
}

// ---- push buttons ----

bool InPushOutline(int x, int y) {
    for (const auto& b : kPushBands)
        if (x >= b[0] && x < b[2] && y >= b[1] && y < b[3]) return true;
    return false;
}

// A rounded bar filling the program's push-button outline exactly, crisp at
// its edge: a one-pixel border, a highlight under the top edge, a gradient.
QImage DrawnPushButton(const PushLook& look) {
    QImage img(kPushWidth, kPushHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPushHeight; ++y) {
        const QColor fill = Mix(look.top, look.bottom, y / double(kPushHeight - 1));
        for (int x = 0; x < kPushWidth; ++x) {
            if (!InPushOutline(x, y)) {
                img.setPixel(x, y, kKey);
                continue;
            }
            const bool edge = !InPushOutline(x - 1, y) || !InPushOutline(x + 1, y) || !InPushOutline(x, y - 1) ||
                              !InPushOutline(x, y + 1);
            const bool underTop = !edge && !InPushOutline(x, y - 2);
            img.setPixel(x, y, (edge ? look.border : underTop ? look.highlight : fill).rgb());
        }
    }
    return img;
}

// ---- background tile ----

void WallWaves(QPainter& p, const Skin& s) {
    // Overlapping fans of rings, each row half a fan lower and half a fan aside.
    const double r = 16;
    p.setBrush(s.wallBase);
    for (int row = -2; row <= 2 * kWallSize / int(r) + 2; ++row) {
        const double y = row * r / 2;
        const double shift = (row % 2) ? r : 0;
        for (double x = -2 * r + shift; x <= kWallSize + 2 * r; x += 2 * r) {
            for (int ring = 0; ring < 4; ++ring) {
                const double rr = r - ring * 4;
                p.setPen(QPen(ring % 2 ? s.wallBase : s.wallInk, ring == 0 ? 1.1 : 1.4));
                p.setBrush(ring == 0 ? QBrush(s.wallBase) : Qt::NoBrush);
                p.drawEllipse(QPointF(x, y), rr, rr);
            }
        }
    }
}

void WallBlossoms(QPainter& p, const Skin& s) {
    const QSize size(kWallSize, kWallSize);
    struct Spot { double x, y, r, turn; };
    const Spot spots[] = {{18, 20, 9, 10}, {66, 44, 11, 40}, {30, 74, 7, 60}, {84, 88, 6, 20}, {52, 8, 5, 30}};
    Wrapped(p, size, [&] {
        for (const Spot& b : spots) Blossom(p, QPointF(b.x, b.y), b.r, b.turn, s.wallInk, Mix(s.wallInk, s.buttons[0].face, 0.35));
        p.setPen(Qt::NoPen);
        p.setBrush(Mix(s.wallBase, s.wallInk, 0.7));
        const QPointF petals[] = {{44, 30}, {8, 52}, {74, 70}, {58, 90}, {88, 18}};
        for (const QPointF& at : petals) {
            p.save();
            p.translate(at);
            p.rotate(at.x() * 3);
            p.drawEllipse(QPointF(0, 0), 2.6, 1.4);
            p.restore();
        }
    });
}

void WallStars(QPainter& p, const Skin& s) {
    const QSize size(kWallSize, kWallSize);
    const QColor warm = QColor(s.title);
    Wrapped(p, size, [&] {
        struct Star { double x, y, r; };
        const Star twinkles[] = {{21, 17, 4.5}, {73, 61, 5}, {37, 83, 3.2}, {86, 26, 2.6}, {8, 52, 2.8}};
        for (const Star& t : twinkles) Twinkle(p, QPointF(t.x, t.y), t.r, WithAlpha(s.wallInk, 215));
        const Star dots[] = {{55, 9, 0.9},  {47, 40, 1.1}, {63, 31, 0.7}, {14, 36, 0.8}, {29, 61, 0.9},
                             {81, 86, 1.0}, {59, 77, 0.8}, {93, 47, 0.7}, {5, 92, 0.9},  {39, 23, 0.6},
                             {70, 93, 0.7}, {18, 72, 0.6}};
        p.setPen(Qt::NoPen);
        int i = 0;
        for (const Star& d : dots) {
            // A few warm ones echo the title colour.
            p.setBrush(i++ % 4 ? WithAlpha(s.wallInk, 170) : WithAlpha(warm, 200));
            p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
        }
    });
}

QImage DrawnWall(const Skin& s) {
    QImage img(kWallSize, kWallSize, QImage::Format_RGB32);
    img.fill(s.wallBase);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (s.pattern) {
    case Pattern::Waves: WallWaves(p, s); break;
    case Pattern::Blossoms: WallBlossoms(p, s); break;
    case Pattern::Stars: WallStars(p, s); break;
    }
    return img;
}

// ---- skin.dat ----

int RgbValue(QRgb c) { return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c); }

// Nine lines, CR LF each: name, top and left of the three title buttons, the two colours.
void WriteSkinDat(const Skin& s, const QString& path) {
    QByteArray text = QByteArray(s.name) + "\r\n";
    for (const QPoint& at : s.at) text += QByteArray::number(at.y()) + "\r\n" + QByteArray::number(at.x()) + "\r\n";
    text += QByteArray::number(RgbValue(s.title)) + "\r\n" + QByteArray::number(RgbValue(s.caption)) + "\r\n";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) Fail("cannot write " + path);
}

void WriteSkin(const Skin& s, const QString& out, const QString& images) {
    const QString dir = out + "/" + s.name;
    if (!QDir().mkpath(dir)) Fail("cannot create " + dir);
    const QImage strip = s.builtinImages ? BuiltinStrip(images) : DrawnStrip(s);
    SaveBmp(strip, dir + "/caption.bmp");
    for (int role = 0; role < 3; ++role) {
        const QString n = QString::number(role + 1);
        for (bool pressed : {false, true}) {
            const QString file = "button" + n + (pressed ? "b" : "");
            const QImage builtin = Load(images + "/" + file + ".png");
            SaveBmp(s.builtinImages ? builtin
                                    : DrawnTitleButton(strip, s.at[role], SilhouetteOf(builtin), s.buttons[role], role, pressed),
                    dir + "/" + file + ".bmp");
        }
    }
    const char* push[] = {"push1", "push1b", "push1c"};
    for (int state = 0; state < 3; ++state)
        SaveBmp(s.builtinImages ? Load(images + "/" + push[state] + ".png") : DrawnPushButton(s.push[state]),
                dir + "/" + push[state] + ".bmp");
    SaveBmp(DrawnWall(s), dir + "/wall.bmp");
    WriteSkinDat(s, dir + "/skin.dat");
}

// ---- contact sheet ----

// The image with its colour-key pixels made transparent, as the program draws it.
QImage Keyed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == key) out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

void Tile(QPainter& p, const QRect& area, const QImage& tile) {
    p.save();
    p.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += tile.height())
        for (int x = area.left(); x <= area.right(); x += tile.width()) p.drawImage(x, y, tile);
    p.restore();
}

QFont Gothic(int pixels, bool bold) {
    QFont f("IPAPGothic");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A clock face as the main window draws one on the tile: blue numbers, aqua
// arms, a lime centre.
void Clock(QPainter& p, const QRect& face, const QImage& wall) {
    Tile(p, face, wall);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(face).center();
    const double r = face.width() / 2.0 - 2, nr = r - 16 * 0.7;
    p.setFont(Gothic(16, false));
    p.setPen(QColor(0, 0, 255));
    for (int n = 1; n <= 12; ++n) {
        const double a = n * M_PI / 6;
        const QPointF at(c.x() + nr * std::sin(a), c.y() - nr * std::cos(a));
        p.drawText(QRectF(at.x() - 16, at.y() - 9, 32, 18), Qt::AlignCenter, QString::number(n));
    }
    auto arm = [&](double degrees, double length, int width) {
        const double a = degrees * M_PI / 180;
        p.setPen(QPen(QColor(0, 255, 255), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, QPointF(c.x() + length * std::sin(a), c.y() - length * std::cos(a)));
    };
    arm(10 * 30 + 9, nr * 0.55, 3);
    arm(18 * 6, nr * 0.85, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(c, 2.5, 2.5);
    p.restore();
}

void PushWithCaption(QPainter& p, QPoint at, const QImage& image, const QString& text, QColor colour) {
    p.drawImage(at, Keyed(image));
    p.setFont(Gothic(11, false));
    p.setPen(colour);
    p.drawText(QRect(at, QSize(kPushWidth, kPushHeight)), Qt::AlignCenter, text);
}

// One block a skin: the title strip as the main window shows it, a dialog
// corner on the tile with the three push-button states, a clock face, and the
// left of the strip and the buttons enlarged.
void SheetBlock(QPainter& p, int top, const QString& dir) {
    QFile datFile(dir + "/skin.dat");
    if (!datFile.open(QIODevice::ReadOnly)) Fail("cannot read " + dir + "/skin.dat");
    const QList<QByteArray> dat = datFile.readAll().split('\n');
    auto value = [&](int line) { return dat.value(line).trimmed().toInt(); };
    auto colour = [&](int line) {
        const int v = value(line);
        return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    };
    auto img = [&](const char* name) { return Load(dir + "/" + name); };

    const int w = kStripWidth;
    QImage strip(w, kStripHeight, QImage::Format_RGB32);
    {
        QPainter s(&strip);
        s.drawImage(0, 0, img("caption.bmp"));
        const char* normal[] = {"button1.bmp", "button2.bmp", "button3.bmp"};
        for (int i = 0; i < 3; ++i) s.drawImage(value(2 + 2 * i), value(1 + 2 * i), Keyed(img(normal[i])));
        s.setFont(Gothic(12, true));
        s.setPen(colour(7));
        const QString title = QString::fromUtf8("くらろん！");
        const QFontMetrics fm(s.font());
        s.drawText(w / 2 - fm.horizontalAdvance(title) / 2, kStripHeight / 2 - fm.height() / 2 + fm.ascent(), title);
    }
    p.setFont(Gothic(12, true));
    p.setPen(Qt::black);
    p.drawText(8, top + 12, QString::fromUtf8(dat.value(0).trimmed()));
    p.drawImage(8, top + 18, strip);

    const QRect dialog(8, top + 45, w, 112);
    const QImage wall = img("wall.bmp");
    Tile(p, dialog, wall);
    const QColor caption = colour(8);
    PushWithCaption(p, dialog.topLeft() + QPoint(12, 12), img("push1.bmp"), QString::fromUtf8("反映"), caption);
    PushWithCaption(p, dialog.topLeft() + QPoint(84, 12), img("push1b.bmp"), QString::fromUtf8("ｷｬﾌﾟｼｮﾝ"), caption);
    PushWithCaption(p, dialog.topLeft() + QPoint(156, 12), img("push1c.bmp"), QString::fromUtf8("終了"), caption);
    p.setFont(Gothic(12, false));
    p.setPen(Qt::black);
    p.drawText(dialog.topLeft() + QPoint(14, 52), QString::fromUtf8("ジャンプ先日付は？　短縮設定　ローカルで使用する"));
    p.fillRect(QRect(dialog.topLeft() + QPoint(14, 64), QSize(140, 20)), Qt::white);
    p.setPen(QColor(0x7A, 0x8A, 0x99));
    p.drawRect(QRect(dialog.topLeft() + QPoint(14, 64), QSize(139, 19)));
    p.setPen(Qt::black);
    p.drawText(dialog.topLeft() + QPoint(18, 78), "2001/04/05");
    Clock(p, QRect(dialog.right() - 106, dialog.top() + 3, 106, 106), wall);

    // Enlarged: the left of the strip with the buttons, then each button image alone.
    const int z = 3;
    p.drawImage(QRect(8, top + 163, 80 * z, kStripHeight * z), strip.copy(0, 0, 80, kStripHeight));
    int x = 8 + 80 * z + 10;
    for (const char* name : {"button1b.bmp", "button2b.bmp", "button3b.bmp"}) {
        p.drawImage(QRect(x, top + 163, kButtonWidth * z, kButtonHeight * z), Keyed(img(name)));
        x += kButtonWidth * z + 6;
    }
    for (const char* name : {"push1.bmp", "push1b.bmp"}) {
        p.drawImage(QRect(x, top + 163, kPushWidth * 2, kPushHeight * 2), Keyed(img(name)));
        x += kPushWidth * 2 + 6;
    }
}

void WriteSheet(const QString& out, const QString& path) {
    const int block = 240;
    QImage sheet(kStripWidth + 80, block * int(Skins().size()), QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter p(&sheet);
    int top = 0;
    for (const Skin& s : Skins()) {
        SheetBlock(p, top, out + "/" + s.name);
        top += block;
    }
    p.end();
    if (!sheet.save(path, "PNG")) Fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && !(argc == 5 && QByteArray(argv[3]) == "--sheet")) {
        std::fprintf(stderr, "usage: gen_skins OUTPUT_FOLDER BUILTIN_IMAGES_FOLDER [--sheet PNG]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]), images = QString::fromLocal8Bit(argv[2]);
    for (const Skin& s : Skins()) WriteSkin(s, out, images);
    if (argc == 5) WriteSheet(out, QString::fromLocal8Bit(argv[4]));
    return 0;
}
