#pragma once
// Shared set-up for the calendar control tests: a fixed clock, controls
// shown on the offscreen platform at an exact client size, and pixel probes.
#include <QImage>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "calendar/CalEx.h"
#include "calendar/Julius.h"
#include "platform/Colors.h"
#include "platform/DateTime.h"

// Pins "today" to a date (noon in Japan, the same date in any time zone
// within eleven hours of UTC).
class FixedToday {
public:
    FixedToday(int y, unsigned m, unsigned d) {
        using namespace std::chrono;
        const auto when = sys_days{year{y} / month{m} / day{d}} + hours{3};
        SetClock([when] { return time_point_cast<system_clock::duration>(when); });
    }
    ~FixedToday() { SetClock(nullptr); }
};

// A calendar without the sunken edge, so client and widget coordinates agree.
template <class T>
std::unique_ptr<T> MakeCalendar(int w, int h) {
    auto cal = std::make_unique<T>();
    cal->SetClientEdge(false);
    cal->resize(w, h);
    cal->show();
    return cal;
}

// Large glyphs have pixels of full coverage, drawn exactly in the pen colour.
inline void UseLargeFonts(TCustomCalendarEx& cal, int pixels = 40) {
    for (int i = 0; i < cfCount; ++i)
        cal.Fonts().Font(i).SetHeight(-pixels);
}

inline QRgb Rgb(TColor color) { return ColorToQColor(color).rgb(); }
inline QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// Pixels of area that differ from background.
inline int InkCount(const QImage& image, const QRect& area, QRgb background) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != background) ++n;
    return n;
}

// Bounding box of the pixels of area that differ from background.
inline QRect InkBounds(const QImage& image, const QRect& area, QRgb background) {
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels of area exactly of colour c.
inline int CountColour(const QImage& image, const QRect& area, QRgb c) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == c) ++n;
    return n;
}

inline std::tuple<int32_t, int, int> Ymd(const TCustomCalendarEx& cal) {
    return {cal.Year(), cal.Month(), cal.Day()};
}

inline int32_t J(int y, int m, int d) { return DateToJulius(y, m, d); }

// A key pressed on a date, and the date it leads to.
struct KeyCase {
    const char* name;
    int y, m, d;
    Qt::Key key;
    int ey, em, ed;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

// Names parameterised cases after their name field.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };
