#include "platform/Font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace {

constexpr int DefaultPixelHeight = 12;

// Windows' MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// Cell height (ascent + descent) per pixel of character height, for a family;
// a positive font height names the cell, Qt's pixel size the character.
double CellRatio(const QString& family) {
    static QHash<QString, double> cache;
    auto it = cache.constFind(family);
    if (it != cache.constEnd())
        return *it;
    QFont probe(family);
    probe.setPixelSize(256);
    const QFontMetricsF metrics(probe);
    double ratio = (metrics.ascent() + metrics.descent()) / 256.0;
    if (!(ratio > 0.1))
        ratio = 1.0;
    cache.insert(family, ratio);
    return ratio;
}

}  // namespace

QString SubstituteFontFace(const QString& face) {
    static QHash<QString, QString> cache;
    auto it = cache.constFind(face);
    if (it != cache.constEnd())
        return *it;
    QString family = face;
    if (face.isEmpty() || !QFontDatabase::hasFamily(face)) {
        // The fixed-pitch Windows Gothic has its own IPA counterpart.
        family = (face == QStringLiteral("ＭＳ ゴシック") && QFontDatabase::hasFamily(QStringLiteral("IPAGothic")))
                     ? QStringLiteral("IPAGothic")
                     : QStringLiteral("IPAPGothic");
    }
    cache.insert(face, family);
    return family;
}

bool TFont::operator==(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor &&
           FCharset == other.FCharset && FStyle == other.FStyle;
}

void TFont::CopyAttributes(const TFont& other) {
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FCharset = other.FCharset;
    FStyle = other.FStyle;
}

void TFont::Assign(const TFont& other) {
    if (&other == this || *this == other)
        return;
    CopyAttributes(other);
    Changed();
}

void TFont::Changed() {
    if (OnChange)
        OnChange();
}

void TFont::SetName(const QString& value) {
    if (value == FName) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, PixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

void TFont::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TFont::SetCharset(uint8_t value) {
    if (value == FCharset) return;
    FCharset = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

QFont TFont::ToQFont() const {
    const QString family = SubstituteFontFace(FName);
    QFont font(family);
    int pixels = DefaultPixelHeight;
    if (FHeight < 0)
        pixels = -FHeight;
    else if (FHeight > 0)
        pixels = static_cast<int>(FHeight / CellRatio(family));
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(FStyle & fsBold);
    font.setItalic(FStyle & fsItalic);
    font.setUnderline(FStyle & fsUnderline);
    font.setStrikeOut(FStyle & fsStrikeOut);
    return font;
}
