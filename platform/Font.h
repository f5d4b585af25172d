#pragma once
// A font as the program describes it: face, height in pixels (negative: the
// character height; positive: the height of the character cell), colour,
// charset and style. Faces this machine lacks (the Windows Japanese faces)
// are drawn with the IPA Gothic faces.
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/Colors.h"

enum TFontStyle : uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = uint8_t;  // a set of TFontStyle bits

constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t SHIFTJIS_CHARSET = 128;

class TFont {
public:
    // Screen resolution used to turn points into pixels.
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    // Copies the attributes only; the change notification stays with its own font.
    TFont(const TFont& other) { CopyAttributes(other); }
    TFont& operator=(const TFont& other) { Assign(other); return *this; }
    bool operator==(const TFont& other) const;

    // Takes every attribute of other; notifies once when anything changed.
    void Assign(const TFont& other);

    const QString& Name() const { return FName; }
    void SetName(const QString& value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    // Points, derived from the height at PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    uint8_t Charset() const { return FCharset; }
    void SetCharset(uint8_t value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);

    // The Qt font to draw with: the substituted face at the pixel size the
    // height asks for. Height 0 means the default height.
    QFont ToQFont() const;

    // Called after every change of an attribute.
    std::function<void()> OnChange;

private:
    void CopyAttributes(const TFont& other);
    void Changed();

    QString FName = QStringLiteral("ＭＳ Ｐゴシック");
    int FHeight = -12;
    TColor FColor = clWindowText;
    uint8_t FCharset = DEFAULT_CHARSET;
    TFontStyles FStyle = 0;
};

// The installed family that draws face: face itself when installed, else
// the IPA Gothic face standing in for it.
QString SubstituteFontFace(const QString& face);
