#include "platform/Toolbar97.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kDockMargin = 2;  // the etched line and a pixel of air, above and below
}

TDock97::TDock97(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    resize(parent ? parent->width() : 0, TToolbarButton97::ButtonHeight + 2 * kDockMargin + 2);
}

void TDock97::paintEvent(QPaintEvent*) {
    // Transparent but for an etched line above and below.
    QPainter p(this);
    const QColor dark = palette().color(QPalette::Mid), light = palette().color(QPalette::Light);
    p.setPen(dark);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, height() - 2, width() - 1, height() - 2);
    p.setPen(light);
    p.drawLine(0, 1, width() - 1, 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

TToolbar97::TToolbar97(TDock97* dock, const QString& name, const QString& caption, int dockPos)
    : QWidget(dock), FCaption(caption), FDockPos(dockPos) {
    setObjectName(name);
    setWindowTitle(caption);
    Arrange();
}

void TToolbar97::AddButton(TToolbarButton97* button) {
    button->setParent(this);
    FButtons.push_back(button);
    Arrange();
}

void TToolbar97::Arrange() {
    int x = GripWidth;
    for (TToolbarButton97* b : FButtons) {
        b->setGeometry(x, 1, TToolbarButton97::ButtonWidth, TToolbarButton97::ButtonHeight);
        x += TToolbarButton97::ButtonWidth;
    }
    setGeometry(FDockPos, kDockMargin, x + 2, TToolbarButton97::ButtonHeight + 2);
}

void TToolbar97::paintEvent(QPaintEvent*) {
    // The grip: two raised bars.
    QPainter p(this);
    const QColor dark = palette().color(QPalette::Mid), light = palette().color(QPalette::Light);
    for (int x : {2, 5}) {
        p.setPen(light);
        p.drawLine(x, 3, x, height() - 4);
        p.setPen(dark);
        p.drawLine(x + 1, 3, x + 1, height() - 4);
    }
}

TToolbarButton97::TToolbarButton97(TToolbar97* toolbar, const QString& name, const QImage& glyph,
                                   const QString& hint)
    : QToolButton(toolbar) {
    setObjectName(name);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setIcon(QIcon(QPixmap::fromImage(glyph)));
    setIconSize(QSize(16, 16));
    setToolTip(hint);
    toolbar->AddButton(this);
}
