#include "platform/Clock.h"

#include <QDateTime>
#include <QPainter>
#include <QtMath>
#include <chrono>

#include "platform/DateTime.h"

TClock::TClock(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
    connect(&FTimer, &QTimer::timeout, this, &TClock::Tick);
    FTimer.start(1000);
    Tick();
}

void TClock::SetBack(const QImage& image) {
    FBack = image;
    update();
}

void TClock::SetColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void TClock::Tick() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(ClockNow().time_since_epoch()).count();
    const QTime now = QDateTime::fromMSecsSinceEpoch(ms).time();
    const QTime shown(now.hour(), now.minute(), now.second());
    if (shown == FTime) return;
    FTime = shown;
    update();
}

void TClock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!FBack.isNull())
        for (int y = 0; y < height(); y += FBack.height())
            for (int x = 0; x < width(); x += FBack.width()) p.drawImage(x, y, FBack);

    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(width() / 2.0, height() / 2.0);
    const double r = std::min(width(), height()) / 2.0 - 2;
    if (r < 8) return;

    // Minute marks on the rim, the hours a little longer.
    for (int i = 0; i < 60; ++i) {
        const double a = qDegreesToRadians(i * 6.0);
        const double inner = r - (i % 5 == 0 ? 3.5 : 1.5);
        p.setPen(QPen(QColor(NumberColor.red(), NumberColor.green(), NumberColor.blue(), i % 5 == 0 ? 150 : 70), 1));
        p.drawLine(QPointF(c.x() + inner * std::sin(a), c.y() - inner * std::cos(a)),
                   QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a)));
    }

    // Numbers on a ring inside the marks.
    QFont f = font();
    f.setPixelSize(std::max(7, int(r / 4.5)));
    p.setFont(f);
    p.setPen(NumberColor);
    const double nr = r - 4 - f.pixelSize() * 0.6;
    for (int n = 1; n <= 12; ++n) {
        const double a = qDegreesToRadians(n * 30.0);
        const QPointF at(c.x() + nr * std::sin(a), c.y() - nr * std::cos(a));
        const QRectF box(at.x() - f.pixelSize(), at.y() - f.pixelSize() / 2.0 - 1, 2.0 * f.pixelSize(),
                         f.pixelSize() + 2);
        p.drawText(box, Qt::AlignCenter, QString::number(n));
    }

    auto arm = [&](double degrees, double length, int width) {
        const double a = qDegreesToRadians(degrees);
        p.setPen(QPen(ArmColor, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, QPointF(c.x() + length * std::sin(a), c.y() - length * std::cos(a)));
    };
    const double minutes = FTime.minute() + FTime.second() / 60.0;
    arm((FTime.hour() % 12 + minutes / 60.0) * 30.0, nr * 0.55, ShortArmWidth);
    arm(minutes * 6.0, nr * 0.85, LongArmWidth);

    p.setPen(Qt::NoPen);
    p.setBrush(CenterColor);
    p.drawEllipse(c, 2.5, 2.5);
}
