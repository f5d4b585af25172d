// Reading Windows bitmap files.
#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "tests/TestUtil.h"

namespace {

// A 4 x 2 picture of two colours, top row first, as palette indices.
const int kPixels[2][4] = {{1, 0, 0, 1}, {0, 1, 1, 1}};
const QRgb kColours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};

void Put16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// The picture above as a bitmap file of the given depth and compression
// (0 plain, 1 RLE8, 2 RLE4), written byte by byte: Qt writes only 24 bits.
std::string TwoColourBmp(int bits, uint32_t compression, int width = 4, int height = 2) {
    std::string data;
    for (int y = height - 1; y >= 0; --y) {  // bottom row first
        const int* row = kPixels[y % 2];
        std::string line;
        if (compression == 1 || compression == 2) {
            for (int x = 0; x < width; ++x) {
                line += char(1);  // a run of one pixel
                line += char(compression == 1 ? row[x % 4] : row[x % 4] << 4);
            }
            line += std::string("\0\0", 2);  // end of line
            data += line;
            continue;
        }
        uint32_t acc = 0;
        int accBits = 0;
        for (int x = 0; x < width; ++x) {
            const int i = row[x % 4];
            const QRgb c = kColours[i];
            switch (bits) {
            case 1:
            case 4:
                acc = (acc << bits) | uint32_t(i);
                accBits += bits;
                if (accBits == 8) {
                    line += char(acc);
                    acc = 0;
                    accBits = 0;
                }
                break;
            case 8: line += char(i); break;
            case 16: Put16(line, uint32_t(qRed(c) >> 3) << 10 | uint32_t(qGreen(c) >> 3) << 5 | uint32_t(qBlue(c) >> 3)); break;
            case 24:
            case 32:
                line += char(qBlue(c));
                line += char(qGreen(c));
                line += char(qRed(c));
                if (bits == 32) line += char(0);
                break;
            }
        }
        if (accBits) line += char(acc << (8 - accBits));
        while (line.size() % 4) line += char(0);
        data += line;
    }
    if (compression) data += std::string("\0\1", 2);  // end of bitmap

    const int paletteSize = bits <= 8 ? 2 : 0;
    std::string palette;
    for (int i = 0; i < paletteSize; ++i) {
        palette += char(qBlue(kColours[i]));
        palette += char(qGreen(kColours[i]));
        palette += char(qRed(kColours[i]));
        palette += char(0);
    }
    const uint32_t offset = 14 + 40 + uint32_t(palette.size());
    std::string file = "BM";
    Put32(file, offset + uint32_t(data.size()));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, uint32_t(width));
    Put32(file, uint32_t(height));
    Put16(file, 1);
    Put16(file, uint32_t(bits));
    Put32(file, compression);
    Put32(file, uint32_t(data.size()));
    Put32(file, 2835);
    Put32(file, 2835);
    Put32(file, uint32_t(paletteSize));
    Put32(file, 0);
    return file + palette + data;
}

struct Depth {
    const char* Name;
    int Bits;
    uint32_t Compression;
};

class BitmapDepths : public ::testing::TestWithParam<Depth> {};

}  // namespace

TEST_P(BitmapDepths, ReadsEveryPixel) {
    TempFolder dir;
    const std::string path = dir.File("a.bmp");
    WriteFileAtomic(path, TwoColourBmp(GetParam().Bits, GetParam().Compression));
    const QImage image = LoadBitmapFile(path);
    ASSERT_EQ(image.size(), QSize(4, 2));
    // Five bits a channel at 16 bits a pixel.
    const QRgb mask = GetParam().Bits == 16 ? 0xF8F8F8 : 0xFFFFFF;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.pixel(x, y) & mask, kColours[kPixels[y][x]] & mask) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Bitmap, BitmapDepths,
                         ::testing::Values(Depth{"Bits1", 1, 0}, Depth{"Bits4", 4, 0}, Depth{"Bits8", 8, 0},
                                           Depth{"Bits16", 16, 0}, Depth{"Bits24", 24, 0},
                                           Depth{"Bits32", 32, 0}, Depth{"Rle8", 8, 1}, Depth{"Rle4", 4, 2}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Bitmap, MissingUnreadableAndInvalidFiles) {
    TempFolder dir;
    const std::string missing = dir.File("none.bmp");
    try {
        LoadBitmapFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "ﾌｧｲﾙ " + missing + " は開けません");
    }
    // A folder of that name cannot be opened as a file either.
    ASSERT_TRUE(ForceDirectories(dir.File("folder.bmp")));
    EXPECT_THROW(LoadBitmapFile(dir.File("folder.bmp")), EFOpenError);

    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(QString::fromStdString(dir.File("png.bmp")), "PNG"));
    WriteFileAtomic(dir.File("text.bmp"), "not a picture");
    std::string truncated = TwoColourBmp(24, 0);
    truncated.resize(30);
    WriteFileAtomic(dir.File("cut.bmp"), truncated);
    WriteFileAtomic(dir.File("empty.bmp"), "");
    for (const char* name : {"png.bmp", "text.bmp", "cut.bmp", "empty.bmp"}) {
        try {
            LoadBitmapFile(dir.File(name));
            ADD_FAILURE() << name << ": no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です") << name;
        }
    }
}

TEST(Bitmap, ABitmapWithoutPixelsReadsAsANullImage) {
    TempFolder dir;
    WriteFileAtomic(dir.File("w0.bmp"), TwoColourBmp(24, 0, 0, 2));
    WriteFileAtomic(dir.File("h0.bmp"), TwoColourBmp(8, 0, 4, 0));
    EXPECT_TRUE(LoadBitmapFile(dir.File("w0.bmp")).isNull());
    EXPECT_TRUE(LoadBitmapFile(dir.File("h0.bmp")).isNull());
}

TEST(Bitmap, ReadsWhatQtWrites) {
    TempFolder dir;
    QImage img(19, 21, QImage::Format_RGB32);
    img.fill(qRgb(10, 20, 30));
    img.setPixel(3, 4, qRgb(200, 100, 50));
    ASSERT_TRUE(img.save(QString::fromStdString(dir.File("b.bmp")), "BMP"));
    const QImage read = LoadBitmapFile(dir.File("b.bmp"));
    ASSERT_EQ(read.size(), QSize(19, 21));
    EXPECT_EQ(read.pixel(3, 4) & 0xFFFFFF, qRgb(200, 100, 50) & 0xFFFFFF);
    EXPECT_EQ(read.pixel(0, 20) & 0xFFFFFF, qRgb(10, 20, 30) & 0xFFFFFF);
}
