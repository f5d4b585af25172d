#pragma once
// Code page 932 bytes <-> QString, at the edge between program data and Qt.
#include <QString>
#include <string>
#include <string_view>

#include "platform/Sjis.h"

inline QString SjisToQString(std::string_view sjis) {
    return QString::fromStdString(SjisToUtf8(sjis));
}
inline std::string QStringToSjis(const QString& text) { return Sjis(text.toStdString()); }
