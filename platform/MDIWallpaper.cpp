#include "platform/MDIWallpaper.h"

#include <QEvent>
#include <QPainter>

TMDIWallpaper::TMDIWallpaper(QWidget* client, const QString& name, int tileWidth, int tileHeight)
    : QObject(client), FClient(client), FTileWidth(tileWidth), FTileHeight(tileHeight) {
    setObjectName(name);
    if (client) client->installEventFilter(this);
}

void TMDIWallpaper::SetPicture(const QImage& image) {
    FPicture = image;
    if (image.width() > FTileWidth || image.height() > FTileHeight) {
        FTileWidth = image.width();
        FTileHeight = image.height();
    }
    if (FClient) FClient->update();
}

bool TMDIWallpaper::eventFilter(QObject* watched, QEvent* event) {
    // Paint the tiles first; the client's own painting (a group box frame and
    // title) then goes over them.
    if (watched == FClient && event->type() == QEvent::Paint && !FPicture.isNull() && FTileWidth > 0 &&
        FTileHeight > 0) {
        QPainter p(FClient);
        for (int y = 0; y < FClient->height(); y += FTileHeight)
            for (int x = 0; x < FClient->width(); x += FTileWidth) p.drawImage(x, y, FPicture);
    }
    return QObject::eventFilter(watched, event);
}
