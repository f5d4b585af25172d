// Draws the program's built-in images into the folder given as argument:
// the title strip, the three title buttons (normal and pressed), the dialogs'
// push button (normal, pressed, disabled), the entry dialog's six shortcut
// buttons (normal and pressed), the nine toolbar images and the program icon. Run by make-images.sh; its output is committed.
//
// Button images use a colour key: every pixel of the colour of the bottom-left
// pixel (magenta here) is left undrawn by the program.
#include "TitleGlyph.h"
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <vector>

namespace {

const QRgb kKey = qRgb(255, 0, 255);

// The palette: slate blues with three soft accents.
const QColor kSlateLight(0x5B, 0x7F, 0xA6);
const QColor kSlateDark(0x35, 0x52, 0x70);
const QColor kCoral(0xE0, 0x69, 0x5A);
const QColor kAmber(0xE3, 0xAA, 0x47);
const QColor kSage(0x57, 0xA5, 0x8A);
const QColor kInk(0x2B, 0x33, 0x3D);
const QColor kPaper(0xFB, 0xFC, 0xFD);

QString gOut;

void Save(const QImage& image, const char* name) {
    const QString path = gOut + "/" + name;
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QImage TitleStrip() {
    QImage img(640, 23, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 23);
    g.setColorAt(0, kSlateLight);
    g.setColorAt(1, kSlateDark);
    p.fillRect(img.rect(), g);
    p.setPen(kSlateLight.lighter(125));
    p.drawLine(0, 0, 639, 0);
    p.setPen(kSlateDark.darker(125));
    p.drawLine(0, 22, 639, 22);
    p.end();
    img.setPixel(0, 22, kKey);  // the strip's own colour key pixel
    return img;
}

// Sets the pixels of a 19 x 21 button image that lie outside `shape` (whose
// antialiased cover there is below minAlpha), and its bottom row, to the key.
void KeyOutside(QImage& img, const QPainterPath& shape, int minAlpha) {
    QImage cover(19, 21, QImage::Format_ARGB32);
    cover.fill(Qt::transparent);
    {
        QPainter c(&cover);
        c.setRenderHint(QPainter::Antialiasing);
        c.setPen(Qt::NoPen);
        c.setBrush(Qt::black);
        c.drawPath(shape);
    }
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 19; ++x)
            if (qAlpha(cover.pixel(x, y)) < minAlpha || y == 20) img.setPixel(x, y, kKey);
}

// A round title button drawn over the strip it sits on (so its soft edge
// blends into the strip), with everything outside the circle set to the key.
QImage TitleButton(const QImage& strip, int left, const QColor& face, int glyph, bool pressed) {
    const QRectF circle(1, 2, 17, 17);
    QImage img = strip.copy(left, 1, 19, 21).convertToFormat(QImage::Format_RGB32);
    QPainterPath shape;
    shape.addEllipse(circle);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = pressed ? face.darker(122) : face;
    QLinearGradient g(0, 2, 0, 19);
    g.setColorAt(0, pressed ? base : base.lighter(118));
    g.setColorAt(1, pressed ? base.lighter(108) : base.darker(108));
    p.setPen(QPen(base.darker(135), 1));
    p.setBrush(g);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    p.translate(pressed ? 0.5 : 0, pressed ? 1 : 0);
    p.setPen(QPen(QColor(255, 255, 255, 235), 2, Qt::SolidLine, Qt::RoundCap));
    TitleGlyph(p, glyph, circle.center());
    p.end();
    KeyOutside(img, shape, 1);
    return img;
}

// The push button: a rounded bar whose rows follow the button outline the
// program uses, crisp at its edge, with a one-pixel border.
QImage PushButton(int state) {
    static const int bands[][4] = {{6, 0, 55, 1},   {4, 1, 57, 2},   {3, 2, 58, 3},   {2, 3, 59, 4},
                                   {1, 4, 60, 6},   {0, 6, 61, 14},  {1, 14, 60, 16}, {2, 16, 59, 17},
                                   {3, 17, 58, 18}, {4, 18, 57, 19}, {6, 19, 55, 20}};
    bool inside[20][61] = {};
    for (const auto& b : bands)
        for (int y = b[1]; y < b[3]; ++y)
            for (int x = b[0]; x < b[2]; ++x) inside[y][x] = true;
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < 61 && y < 20 && inside[y][x]; };

    QColor top, bottom, border, highlight;
    switch (state) {
    case 0:  // normal
        top = QColor(0xFA, 0xFB, 0xFD), bottom = QColor(0xD9, 0xE2, 0xEC);
        border = QColor(0x72, 0x8B, 0xA6), highlight = QColor(255, 255, 255);
        break;
    case 1:  // pressed
        top = QColor(0xBF, 0xCD, 0xDC), bottom = QColor(0xDE, 0xE6, 0xEE);
        border = QColor(0x4F, 0x69, 0x85), highlight = QColor(0xB3, 0xC2, 0xD3);
        break;
    default:  // disabled
        top = QColor(0xEE, 0xF0, 0xF2), bottom = QColor(0xE4, 0xE7, 0xEA);
        border = QColor(0xB4, 0xBC, 0xC5), highlight = QColor(0xF6, 0xF7, 0xF8);
        break;
    }
    QImage img(61, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y) {
        const double t = y / 19.0;
        const QColor fill = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                                             top.greenF() + (bottom.greenF() - top.greenF()) * t,
                                             top.blueF() + (bottom.blueF() - top.blueF()) * t);
        for (int x = 0; x < 61; ++x) {
            if (!in(x, y)) {
                img.setPixel(x, y, kKey);
                continue;
            }
            const bool edge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            const bool belowEdge = !edge && !in(x, y - 2);
            img.setPixel(x, y, (edge ? border : belowEdge ? highlight : fill).rgb());
        }
    }
    return img;
}

// A shortcut button of the entry dialog: a small rounded key with its number,
// 19 x 21 with everything outside the key (and the bottom row) set to the key
// colour, like the title buttons.
QImage ShortcutButton(int number, bool pressed) {
    const QRectF key(1.5, 2.5, 16, 16);
    QPainterPath shape;
    shape.addRoundedRect(key.adjusted(-0.5, -0.5, 0.5, 0.5), 4, 4);
    QImage img(19, 21, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = pressed ? kSlateDark : kSlateLight;
    QLinearGradient g(0, 2, 0, 19);
    g.setColorAt(0, pressed ? base : base.lighter(125));
    g.setColorAt(1, pressed ? base.lighter(112) : base.darker(110));
    p.setPen(QPen(kSlateDark.darker(125), 1));
    p.setBrush(g);
    p.drawRoundedRect(key, 4, 4);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(key.translated(pressed ? 0.5 : 0, pressed ? 1 : 0), Qt::AlignCenter, QString::number(number));
    p.end();
    KeyOutside(img, shape, 128);
    return img;
}

QImage Blank16() {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// A small tear-off calendar page in the given rectangle.
void CalendarPage(QPainter& p, const QRectF& r, const QColor& header) {
    p.setPen(QPen(kInk.lighter(160), 1));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
    const double h = std::max(3.0, r.height() * 0.28);
    QPainterPath top;
    top.addRoundedRect(QRectF(r.left(), r.top(), r.width(), h), 1.5, 1.5);
    p.fillPath(top, header);
    p.setPen(QPen(kInk, 1));
    const double ringY = r.top() - 1;
    p.drawLine(QPointF(r.left() + r.width() * 0.3, ringY), QPointF(r.left() + r.width() * 0.3, ringY + 2.5));
    p.drawLine(QPointF(r.right() - r.width() * 0.3, ringY), QPointF(r.right() - r.width() * 0.3, ringY + 2.5));
}

void Dots(QPainter& p, const QRectF& r, int cols, int rows, int marked) {
    const double dx = r.width() / cols, dy = r.height() / rows;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i) {
            const bool m = j * cols + i == marked;
            p.fillRect(QRectF(r.left() + i * dx + dx / 2 - 0.75, r.top() + j * dy + dy / 2 - 0.75, 1.6, 1.6),
                       m ? kCoral : QColor(0x9A, 0xA5, 0xB1));
        }
}

QImage ToolbarImage(int index) {
    QImage img = Blank16();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:  // a calendar page
        CalendarPage(p, QRectF(2.5, 2.5, 11, 12), kCoral);
        Dots(p, QRectF(3.5, 6.5, 9, 7.5), 3, 2, 4);
        break;
    case 1: {  // a calendar with a pen
        CalendarPage(p, QRectF(1.5, 3.5, 10, 11), kSlateLight);
        Dots(p, QRectF(2.5, 7, 8, 6.5), 3, 2, -1);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 2), QPointF(8.5, 9.5));
        p.setPen(QPen(QColor(0x3D, 0x6F, 0xB8), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 2), QPointF(8.5, 9.5));
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(8.5, 9.5), QPointF(7.5, 11));
        break;
    }
    case 2:  // a red cross
        p.setPen(QPen(QColor(0xA8, 0x2E, 0x25), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        p.setPen(QPen(QColor(0xE0, 0x4B, 0x3E), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case 3: {  // a calendar with a pencil
        CalendarPage(p, QRectF(1.5, 3.5, 10, 11), kSage);
        Dots(p, QRectF(2.5, 7, 8, 6.5), 3, 2, -1);
        p.save();
        p.translate(11.5, 8);
        p.rotate(45);
        p.setPen(QPen(kInk.lighter(120), 0.8));
        p.setBrush(kAmber);
        p.drawRect(QRectF(-1.6, -7, 3.2, 8));
        p.setBrush(QColor(0xF2, 0x9C, 0xA3));
        p.drawRect(QRectF(-1.6, -8.5, 3.2, 1.5));
        p.setBrush(QColor(0xF1, 0xDC, 0xB8));
        p.drawPolygon(QPolygonF({QPointF(-1.6, 1), QPointF(1.6, 1), QPointF(0, 4)}));
        p.restore();
        break;
    }
    case 4:  // a black bulleted list
        for (int i = 0; i < 3; ++i) {
            const double y = 3.5 + i * 4.5;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1E, 0x22, 0x28));
            p.drawEllipse(QPointF(3, y), 1.6, 1.6);
            p.setPen(QPen(QColor(0x1E, 0x22, 0x28), 1.6, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
        }
        break;
    case 5:  // a small window
        p.setPen(QPen(kSlateDark, 1));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
        p.fillRect(QRectF(2, 3, 12, 3), kSlateLight);
        p.fillRect(QRectF(11, 3.8, 1.8, 1.4), kCoral);
        p.setPen(QPen(QColor(0xB8, 0xC3, 0xCF), 1));
        p.drawLine(QPointF(4, 8.5), QPointF(12, 8.5));
        p.drawLine(QPointF(4, 10.5), QPointF(10, 10.5));
        break;
    case 6: {  // a question mark
        p.setPen(Qt::NoPen);
        p.setBrush(kSlateLight);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1.5, 14, 14), Qt::AlignCenter, "?");
        break;
    }
    case 7: {  // a calendar page with a flower
        CalendarPage(p, QRectF(1.5, 2.5, 11, 12), kSlateLight);
        Dots(p, QRectF(2.5, 6.5, 9, 7), 3, 2, -1);
        const QPointF c(11.5, 11.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xEE, 0x8F, 0xA8));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            p.drawEllipse(c + QPointF(2.4 * std::cos(a), 2.4 * std::sin(a)), 1.9, 1.9);
        }
        p.setBrush(QColor(0xF5, 0xC5, 0x42));
        p.drawEllipse(c, 1.3, 1.3);
        break;
    }
    default: {  // a door with an arrow
        p.setPen(QPen(QColor(0x6B, 0x4A, 0x2F), 1));
        p.setBrush(QColor(0xB0, 0x7D, 0x4F));
        p.drawRect(QRectF(6.5, 1.5, 8, 13));
        p.setBrush(QColor(0xF5, 0xC5, 0x42));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(8.6, 8.5), 0.9, 0.9);
        p.setPen(QPen(kSage.darker(115), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(10.5, 8.5), QPointF(2, 8.5));
        p.drawPolyline(QPolygonF({QPointF(4.8, 5.5), QPointF(1.8, 8.5), QPointF(4.8, 11.5)}));
        break;
    }
    }
    return img;
}

// The program icon: a calendar page with one marked day, drawn at any size.
QImage ProgramIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QRectF page(3, 5, 26, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(page.translated(0.8, 1.2), 4, 4);
    p.setBrush(kPaper);
    p.setPen(QPen(kSlateDark, 1.2));
    p.drawRoundedRect(page, 4, 4);
    QPainterPath head;
    head.addRoundedRect(QRectF(page.left(), page.top(), page.width(), 8), 4, 4);
    head.addRect(QRectF(page.left(), page.top() + 4, page.width(), 4));
    p.fillPath(head.simplified(), kSlateLight);
    p.setPen(QPen(kSlateDark, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page, 4, 4);
    for (double x : {10.0, 22.0}) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 2.5), QPointF(x, 7.5));
    }
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i) {
            const QRectF cell(6.5 + i * 5, 15.5 + j * 4.2, 3.4, 2.8);
            const QColor c = (i == 2 && j == 1) ? kCoral : (i == 0 ? QColor(0xE8, 0x9E, 0x94) : QColor(0xA7, 0xB4, 0xC2));
            p.fillRect(cell, c);
        }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_images OUTPUT_FOLDER\n");
        return 2;
    }
    gOut = argv[1];
    QDir().mkpath(gOut);

    const QImage strip = TitleStrip();
    Save(strip, "caption.png");
    const QColor faces[] = {kCoral, kAmber, kSage};
    const int lefts[] = {7, 30, 53};
    for (int i = 0; i < 3; ++i) {
        Save(TitleButton(strip, lefts[i], faces[i], i, false), qPrintable(QString("button%1.png").arg(i + 1)));
        Save(TitleButton(strip, lefts[i], faces[i], i, true), qPrintable(QString("button%1b.png").arg(i + 1)));
    }
    Save(PushButton(0), "push1.png");
    Save(PushButton(1), "push1b.png");
    Save(PushButton(2), "push1c.png");
    for (int n = 1; n <= 6; ++n) {
        Save(ShortcutButton(n, false), qPrintable(QString("short%1.png").arg(n)));
        Save(ShortcutButton(n, true), qPrintable(QString("short%1b.png").arg(n)));
    }
    for (int i = 0; i < 9; ++i) Save(ToolbarImage(i), qPrintable(QString("tool%1.png").arg(i)));
    for (int size : {16, 32, 48, 256}) Save(ProgramIcon(size), qPrintable(QString("icon%1.png").arg(size)));
    return 0;
}
