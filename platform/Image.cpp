#include "platform/Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

void TImage::SetPicture(const QImage& image) {
    FPicture = image;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (FPicture.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, FPicture);
}
