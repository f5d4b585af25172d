#pragma once
// The symbol of a title button, shared by the built-in images and the skins
// so every skin's buttons say the same thing: 0 close, 1 shade, 2 toolbar.
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

inline void TitleGlyph(QPainter& p, int role, QPointF c) {
    switch (role) {
    case 0:  // close: a cross
        p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
        p.drawLine(c + QPointF(3.5, -3.5), c + QPointF(-3.5, 3.5));
        break;
    case 1:  // shade: a chevron pointing up
        p.drawPolyline(QPolygonF({c + QPointF(-4, 2), c + QPointF(0, -2), c + QPointF(4, 2)}));
        break;
    default:  // toolbar: three bars
        for (int dy : {-3, 0, 3}) p.drawLine(c + QPointF(-4, dy), c + QPointF(4, dy));
        break;
    }
}
