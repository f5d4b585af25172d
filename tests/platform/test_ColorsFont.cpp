// Colour values with system colours from the palette, and fonts with face
// substitution and the two meanings of a height.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include "platform/Colors.h"
#include "platform/Font.h"

namespace {

TEST(Colors, PlainValuesAreBGR) {
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(ColorToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(QColorToColor(QColor(0x56, 0x34, 0x12)), 0x00123456u);
}

TEST(Colors, SystemColoursFollowThePalette) {
    const QPalette saved = QGuiApplication::palette();
    QPalette p = saved;
    p.setColor(QPalette::Base, QColor(1, 2, 3));
    p.setColor(QPalette::ToolTipBase, QColor(4, 5, 6));
    p.setColor(QPalette::ToolTipText, QColor(7, 8, 9));
    QGuiApplication::setPalette(p);
    EXPECT_EQ(ColorToQColor(clWindow), QColor(1, 2, 3));
    EXPECT_EQ(ColorToQColor(clInfoBk), QColor(4, 5, 6));
    EXPECT_EQ(ColorToRGB(clInfoText), 0x090807u);
    EXPECT_EQ(ColorToRGB(clSystemColor + 99), clBlack) << "no such system colour";
    QGuiApplication::setPalette(saved);
}

TEST(Font, HeightsAndPoints) {
    TFont f;
    EXPECT_EQ(f.Name(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(f.Height(), -12);
    EXPECT_EQ(f.Size(), 9);
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(f.Size(), 10);
}

TEST(Font, NotifiesRealChangesOnly) {
    TFont f;
    int changes = 0;
    f.OnChange = [&] { ++changes; };
    f.SetColor(f.Color());
    f.SetHeight(-12);
    f.SetName(f.Name());
    EXPECT_EQ(changes, 0);
    f.SetColor(clRed);
    f.SetStyle(fsBold);
    f.SetCharset(SHIFTJIS_CHARSET);
    EXPECT_EQ(changes, 3);

    TFont other;
    other.SetHeight(-30);
    other.SetName(QStringLiteral("IPAMincho"));
    f.Assign(other);
    EXPECT_EQ(changes, 4) << "one notification for a whole assignment";
    EXPECT_EQ(f, other);

    const TFont copy = f;  // the copy does not inherit the notification
    EXPECT_FALSE(copy.OnChange);
}

TEST(Font, MissingFacesBecomeIpaGothic) {
    EXPECT_EQ(SubstituteFontFace(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(SubstituteFontFace(QStringLiteral("ＭＳ ゴシック")), QStringLiteral("IPAGothic"));
    EXPECT_EQ(SubstituteFontFace(QStringLiteral("No Such Face")), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(SubstituteFontFace(QStringLiteral("IPAMincho")), QStringLiteral("IPAMincho"));
    TFont f;
    EXPECT_EQ(QFontInfo(f.ToQFont()).family(), QStringLiteral("IPAPGothic"));
}

TEST(Font, NegativeHeightIsTheCharacterPositiveTheCell) {
    TFont f;
    f.SetHeight(-20);
    EXPECT_EQ(f.ToQFont().pixelSize(), 20);
    for (int cell : {13, 70}) {
        f.SetHeight(cell);
        const QFontMetricsF m(f.ToQFont());
        EXPECT_LE(m.ascent() + m.descent(), cell + 0.5) << cell;
        EXPECT_GT(m.ascent() + m.descent(), cell * 0.9) << cell;
    }
    f.SetStyle(fsBold | fsUnderline);
    EXPECT_TRUE(f.ToQFont().bold());
    EXPECT_TRUE(f.ToQFont().underline());
    EXPECT_FALSE(f.ToQFont().italic());
}

}  // namespace
