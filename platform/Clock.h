#pragma once
// The analogue clock: a dial with twelve numbers, a long and a short arm and
// a centre dot, over a background colour and a tiled background image. It
// keeps its own time with a timer, reading the program's replaceable clock.
#include <QColor>
#include <QImage>
#include <QTime>
#include <QTimer>
#include <QWidget>

class TClock : public QWidget {
    Q_OBJECT
public:
    explicit TClock(QWidget* parent = nullptr, const QString& name = {});

    // Tiled at its own size from the top-left corner, over the background colour.
    const QImage& Back() const { return FBack; }
    void SetBack(const QImage& image);
    void SetColor(const QColor& color);

    QColor ArmColor = QColor(0, 255, 255);    // aqua
    QColor CenterColor = QColor(0, 255, 0);   // lime
    QColor NumberColor = QColor(0, 0, 255);   // blue
    int LongArmWidth = 2;
    int ShortArmWidth = 3;

    // The time shown (whole seconds), and reading the clock again.
    QTime Time() const { return FTime; }
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FBack;
    QTime FTime;
    QTimer FTimer;
};
