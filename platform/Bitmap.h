#pragma once
// Reading Windows bitmap files (.bmp) for skins.
#include <QImage>
#include <string>

// Reads a Windows bitmap file: 1, 4, 8, 16, 24 or 32 bits a pixel, plain,
// run-length coded (RLE4, RLE8) or with bit fields. `path` is a file-system
// path. Raises EFOpenError "ﾌｧｲﾙ <path> は開けません" when the file is missing
// or cannot be read, and EInvalidGraphic "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です" when it is
// not a valid bitmap. A well-formed bitmap of width or height 0 gives a null
// image: a bitmap without pixels, which the controls then refuse themselves.
QImage LoadBitmapFile(const std::string& path);
