#include "platform/Bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <cstdint>

#include "platform/Exception.h"

namespace {

uint32_t U16(const QByteArray& b, int at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}
uint32_t U32(const QByteArray& b, int at) { return U16(b, at) | U16(b, at + 2) << 16; }

// True when the headers describe a bitmap with no pixels (width or height 0)
// that is otherwise well formed; Qt's reader refuses those as broken.
bool IsEmptyBitmap(const QByteArray& b) {
    constexpr int FileHeader = 14;
    if (b.size() < FileHeader + 12 || b[0] != 'B' || b[1] != 'M') return false;
    const uint32_t infoSize = U32(b, FileHeader);
    uint32_t width = 0, height = 0, planes = 0, bits = 0;
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        width = U16(b, FileHeader + 4);
        height = U16(b, FileHeader + 6);
        planes = U16(b, FileHeader + 8);
        bits = U16(b, FileHeader + 10);
    } else if (infoSize >= 40 && infoSize <= 124 && b.size() >= int(FileHeader + infoSize)) {
        width = U32(b, FileHeader + 4);
        height = U32(b, FileHeader + 8);
        planes = U16(b, FileHeader + 12);
        bits = U16(b, FileHeader + 14);
    } else {
        return false;
    }
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return planes == 1 && knownDepth && (width == 0 || height == 0);
}

}  // namespace

QImage LoadBitmapFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw EFOpenError("ﾌｧｲﾙ " + path + " は開けません");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw EFOpenError("ﾌｧｲﾙ " + path + " は開けません");
    if (IsEmptyBitmap(bytes)) return {};

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);  // a PNG named .bmp is no bitmap
    QImage image = reader.read();
    if (image.isNull()) throw EInvalidGraphic("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
    return image;
}
