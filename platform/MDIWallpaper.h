#pragma once
// Paints a picture tiled over the background of its client widget (a window
// or a group box), once at the top-left corner of every cell of a grid whose
// cell is the tile pitch.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TMDIWallpaper : public QObject {
    Q_OBJECT
public:
    // Pitch 38 x 53 unless given.
    explicit TMDIWallpaper(QWidget* client, const QString& name = {}, int tileWidth = 38, int tileHeight = 53);

    QWidget* Client() const { return FClient; }
    const QImage& Picture() const { return FPicture; }
    // A picture wider or taller than the pitch makes its size the new pitch
    // (both values); a smaller one keeps the pitch.
    void SetPicture(const QImage& image);
    int TileWidth() const { return FTileWidth; }
    int TileHeight() const { return FTileHeight; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> FClient;
    QImage FPicture;
    int FTileWidth;
    int FTileHeight;
};
