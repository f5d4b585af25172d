// The skins we ship (resources/skins/<name>/): complete folders whose images
// keep the program's conventions (sizes, colour key, the fixed button outlines)
// and whose skin.dat reads back naming its folder.
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <utility>
#include <string>
#include <vector>

#include "platform/BuiltinImages.h"
#include "platform/Files.h"
#include "platform/RgnBtn.h"
#include "skins/SkinDat.h"
#include "tests/TestUtil.h"

namespace {

const std::string kSkinsFolder = KURALO_SOURCE_DIR "/resources/skins";

std::vector<std::string> ShippedSkins() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kSkinsFolder))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const char* const kTitleButtons[] = {"button1", "button1b", "button2", "button2b", "button3", "button3b"};
const char* const kPushButtons[] = {"push1", "push1b", "push1c"};

// The outline the program gives every push button, whatever its images.
bool InPushOutline(int x, int y) {
    const auto& outline = PushButtonOutline();
    return std::any_of(outline.begin(), outline.end(), [&](const QRect& r) { return r.contains(x, y); });
}

std::string Bmp(const std::string& name) { return name + ".bmp"; }

// Every image of a skin with its size: the exact one, but the least one for the tile.
std::vector<std::pair<std::string, QSize>> SkinImages() {
    std::vector<std::pair<std::string, QSize>> images = {{"caption", QSize(640, 23)}, {"wall", QSize(38, 53)}};
    for (const char* name : kTitleButtons) images.emplace_back(name, QSize(19, 21));
    for (const char* name : kPushButtons) images.emplace_back(name, QSize(61, 20));
    return images;
}

QImage Builtin(const char* name) {
    return BuiltinImage(QString::fromLatin1(name) + ".png").convertToFormat(QImage::Format_RGB32);
}

QImage LoadImage(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
QRgb Key(const QImage& image) { return Rgb(image, 0, image.height() - 1); }

// Which pixels a keyed image draws, one row of '#' and '.' a line, for readable failures.
std::string Silhouette(const QImage& image) {
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) rows += Rgb(image, x, y) == Key(image) ? '.' : '#';
        rows += '\n';
    }
    return rows;
}

// Contrast ratio of two colours, 1 to 21, from their relative luminance.
double Contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The mean colour of an area: what a text drawn over it stands against.
QRgb Mean(const QImage& image, const QRect& area) {
    double r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    const double n = double(area.width()) * area.height();
    return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
}

// skin.dat holds colours as red + 256 green + 65536 blue.
QRgb FromSkinColor(int32_t value) { return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

class ShippedSkin : public ::testing::TestWithParam<std::string> {
protected:
    std::string Folder() const { return kSkinsFolder + "/" + GetParam() + "/"; }
    QImage Image(const std::string& name) const { return LoadImage(Folder() + name); }
    TSkinDat Dat() const {
        TSkinDat dat;
        ReadSkinDat(Folder() + "skin.dat", dat);
        return dat;
    }
};

TEST_P(ShippedSkin, HasEveryImageAsAPlainBitmapOfItsSize) {
    for (const auto& [name, size] : SkinImages()) {
        SCOPED_TRACE(name);
        const std::string path = Folder() + Bmp(name);
        ASSERT_TRUE(FileExists(path));
        EXPECT_EQ(QImageReader(QString::fromStdString(path)).format(), "bmp");
        // Uncompressed (BI_RGB), the variant every bitmap reader takes.
        const std::string bytes = ReadWholeFile(path);
        ASSERT_GE(bytes.size(), 34u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(bytes.substr(30, 4), std::string(4, '\0'));
        const QImage image = LoadImage(path);
        ASSERT_FALSE(image.isNull());
        if (name == "wall") {  // tiles without gaps at the pitch a background starts with
            EXPECT_GE(image.width(), size.width());
            EXPECT_GE(image.height(), size.height());
        } else {
            EXPECT_EQ(image.size(), size);
        }
    }
    EXPECT_TRUE(FileExists(Folder() + "skin.dat"));
}

TEST_P(ShippedSkin, PushButtonsFillTheProgramsOutlineExactly) {
    for (const char* name : kPushButtons) {
        SCOPED_TRACE(name);
        const QImage image = Image(Bmp(name));
        ASSERT_EQ(image.size(), QSize(61, 20));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(Rgb(image, x, y) != Key(image), InPushOutline(x, y)) << "pixel " << x << "," << y;
    }
}

// The program takes a title button's pressable outline from its built-in image,
// so every skin keeps the built-in silhouette, in the normal and pressed image alike.
TEST_P(ShippedSkin, TitleButtonsKeepTheBuiltinSilhouette) {
    for (const char* name : kTitleButtons) {
        SCOPED_TRACE(name);
        const QImage image = Image(Bmp(name));
        ASSERT_EQ(image.size(), QSize(19, 21));
        for (int x = 0; x < image.width(); ++x) EXPECT_EQ(Rgb(image, x, 20), Key(image)) << "bottom row, x " << x;
        EXPECT_NE(Rgb(image, 9, 10), Key(image)) << "centre";
        EXPECT_EQ(Silhouette(image), Silhouette(Builtin(name)));
    }
}

TEST_P(ShippedSkin, SkinDatNamesItsFolderInTheWritersForm) {
    const TSkinDat dat = Dat();
    EXPECT_EQ(dat.Name, GetParam());
    // Byte for byte what the program's own writer makes of these values.
    TempFolder temp;
    WriteSkinDat(temp.File("skin.dat"), dat);
    EXPECT_EQ(ReadWholeFile(Folder() + "skin.dat"), ReadWholeFile(temp.File("skin.dat")));
}

TEST_P(ShippedSkin, TitleButtonsSitApartOnTheLeftOfTheStrip) {
    const TSkinDat dat = Dat();
    const std::array<QRect, 3> buttons = {QRect(dat.Button1Left, dat.Button1Top, 19, 21),
                                          QRect(dat.Button2Left, dat.Button2Top, 19, 21),
                                          QRect(dat.Button3Left, dat.Button3Top, 19, 21)};
    const QRect leftOfStrip(0, 0, 640 / 3, 23);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_TRUE(leftOfStrip.contains(buttons[i])) << "button " << i + 1;
        for (std::size_t j = i + 1; j < buttons.size(); ++j)
            EXPECT_FALSE(buttons[i].intersects(buttons[j])) << "buttons " << i + 1 << " and " << j + 1;
    }
}

// The title text is centred on the strip; the captions sit in the middle of
// the push buttons, whose disabled state keeps the caption colour.
TEST_P(ShippedSkin, TextColoursReadOnWhatTheyAreDrawnOver) {
    const TSkinDat dat = Dat();
    const QImage strip = Image("caption.bmp");
    const QRgb behindTitle = Mean(strip, QRect(640 / 2 - 40, 4, 80, 15));
    EXPECT_GE(Contrast(FromSkinColor(dat.TitleColor), behindTitle), 4.5);
    for (const char* name : kPushButtons) {
        const QRgb behindCaption = Mean(Image(Bmp(name)), QRect(10, 5, 41, 10));
        EXPECT_GE(Contrast(FromSkinColor(dat.CaptionColor), behindCaption), 4.5) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSkin, ::testing::ValuesIn(ShippedSkins()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(ShippedSkins, DefaultHasTheBuiltinPlacesAndColours) {
    EXPECT_EQ(ReadWholeFile(kSkinsFolder + "/Default/skin.dat"),
              "Default\r\n1\r\n7\r\n1\r\n30\r\n1\r\n53\r\n16777215\r\n0\r\n");
    EXPECT_GE(ShippedSkins().size(), 3u);
}

// Default is the look the program has before any skin is applied: its images
// are the built-in ones, but for the strip's bottom-left pixel, which the
// built-in strip keys out and a skin's opaque strip fills.
TEST(ShippedSkins, DefaultIsTheBuiltinLook) {
    std::vector<const char*> names(std::begin(kTitleButtons), std::end(kTitleButtons));
    names.insert(names.end(), std::begin(kPushButtons), std::end(kPushButtons));
    names.push_back("caption");
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const QImage builtin = Builtin(name);
        ASSERT_FALSE(builtin.isNull());
        QImage shipped = LoadImage(kSkinsFolder + "/Default/" + Bmp(name));
        ASSERT_EQ(shipped.size(), builtin.size());
        if (std::string(name) == "caption") {
            EXPECT_NE(Key(shipped), Key(builtin)) << "the shipped strip is opaque";
            shipped.setPixel(0, shipped.height() - 1, builtin.pixel(0, builtin.height() - 1));
        }
        EXPECT_TRUE(shipped == builtin) << "Default is out of step with the built-in images: run make-skins.sh";
    }
}

// A background keeps the largest tile it has been given as its pitch, so our
// tiles share one size: switching between our skins never leaves gaps.
TEST(ShippedSkins, TilesShareOneSize) {
    const QSize first = LoadImage(kSkinsFolder + "/Default/wall.bmp").size();
    for (const std::string& name : ShippedSkins())
        EXPECT_EQ(LoadImage(kSkinsFolder + "/" + name + "/wall.bmp").size(), first) << name;
}

}  // namespace
