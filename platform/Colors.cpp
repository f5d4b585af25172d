#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Which palette entry stands for each system colour index.
struct SystemEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

bool LookUpSystemColor(uint32_t index, SystemEntry& entry) {
    using P = QPalette;
    switch (index) {
    case 0: entry = {P::Active, P::Button}; return true;             // scroll bar
    case 1: entry = {P::Active, P::Dark}; return true;               // desktop
    case 2: entry = {P::Active, P::Highlight}; return true;          // active caption
    case 3: entry = {P::Inactive, P::Mid}; return true;              // inactive caption
    case 4: entry = {P::Active, P::Window}; return true;             // menu
    case 5: entry = {P::Active, P::Base}; return true;               // window background
    case 6: entry = {P::Active, P::Shadow}; return true;             // window frame
    case 7: entry = {P::Active, P::WindowText}; return true;         // menu text
    case 8: entry = {P::Active, P::Text}; return true;               // window text
    case 9: entry = {P::Active, P::HighlightedText}; return true;    // caption text
    case 10: entry = {P::Active, P::Button}; return true;            // active border
    case 11: entry = {P::Inactive, P::Button}; return true;          // inactive border
    case 12: entry = {P::Active, P::Mid}; return true;               // MDI workspace
    case 13: entry = {P::Active, P::Highlight}; return true;
    case 14: entry = {P::Active, P::HighlightedText}; return true;
    case 15: entry = {P::Active, P::Button}; return true;            // button face
    case 16: entry = {P::Active, P::Dark}; return true;              // button shadow
    case 17: entry = {P::Disabled, P::Text}; return true;            // grey text
    case 18: entry = {P::Active, P::ButtonText}; return true;
    case 19: entry = {P::Inactive, P::WindowText}; return true;      // inactive caption text
    case 20: entry = {P::Active, P::Light}; return true;             // button highlight
    case 21: entry = {P::Active, P::Shadow}; return true;            // 3D dark shadow
    case 22: entry = {P::Active, P::Midlight}; return true;          // 3D light
    case 23: entry = {P::Active, P::ToolTipText}; return true;
    case 24: entry = {P::Active, P::ToolTipBase}; return true;
    default: return false;
    }
}

}  // namespace

TColor QColorToColor(const QColor& color) {
    const QRgb rgb = color.rgb();
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8) |
           (static_cast<TColor>(qBlue(rgb)) << 16);
}

TColor ColorToRGB(TColor color) {
    if (!(color & clSystemColor))
        return color & 0xFFFFFF;
    SystemEntry entry;
    if (!LookUpSystemColor(color & 0xFF, entry) || (color & 0x7FFFFF00))
        return clBlack;
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    return QColorToColor(palette.color(entry.group, entry.role));
}

QColor ColorToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
