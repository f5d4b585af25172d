#include "platform/Controls.h"

#include "platform/Font.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

QFont GothicFont(int pixelHeight, bool bold) {
    QFont font(SubstituteFontFace(QStringLiteral("ＭＳ Ｐゴシック")));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SetupFixedDialog(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(clientWidth, clientHeight);
    dialog.setFont(GothicFont(12));
}

// ---- TAlignLayout ----

TAlignLayout::TAlignLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

TAlignLayout::~TAlignLayout() {
    for (Item& item : FItems) delete item.LayoutItem;
}

void TAlignLayout::Dock(QWidget* child, TAlign align) {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [child](const Item& i) { return i.LayoutItem->widget() == child; });
    if (align == TAlign::alNone) {
        if (it != FItems.end()) {
            delete it->LayoutItem;
            FItems.erase(it);
        }
    } else if (it != FItems.end()) {
        it->Align = align;
    } else {
        addChildWidget(child);
        child->installEventFilter(this);
        FItems.push_back({new QWidgetItem(child), align});
    }
    invalidate();
}

TAlign TAlignLayout::AlignOf(const QWidget* child) const {
    for (const Item& item : FItems)
        if (item.LayoutItem->widget() == child) return item.Align;
    return TAlign::alNone;
}

void TAlignLayout::addItem(QLayoutItem* item) { FItems.push_back({item, TAlign::alClient}); }

QLayoutItem* TAlignLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? FItems[index].LayoutItem : nullptr;
}

QLayoutItem* TAlignLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = FItems[index].LayoutItem;
    FItems.erase(FItems.begin() + index);
    return item;
}

QSize TAlignLayout::sizeHint() const {
    return parentWidget() ? parentWidget()->size() : QSize(0, 0);
}

void TAlignLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    int left = rect.left(), top = rect.top();
    int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
    std::vector<QWidget*> placed;
    static const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                   TAlign::alClient};
    for (TAlign pass : order) {
        for (const Item& item : FItems) {
            if (item.Align != pass || item.LayoutItem->isEmpty()) continue;
            placed.push_back(item.LayoutItem->widget());
            QWidget* w = item.LayoutItem->widget();
            const int width = std::max(0, right - left), height = std::max(0, bottom - top);
            switch (pass) {
            case TAlign::alTop:
                w->setGeometry(left, top, width, w->height());
                top += w->height();
                break;
            case TAlign::alBottom:
                w->setGeometry(left, bottom - w->height(), width, w->height());
                bottom -= w->height();
                break;
            case TAlign::alLeft:
                w->setGeometry(left, top, w->width(), height);
                left += w->width();
                break;
            case TAlign::alRight:
                w->setGeometry(right - w->width(), top, w->width(), height);
                right -= w->width();
                break;
            case TAlign::alClient:
                w->setGeometry(left, top, width, height);
                break;
            case TAlign::alNone:
                break;
            }
        }
    }
    // A hidden window gets no resize events: place the nested docked
    // controls now, so the layout holds whether shown or not.
    for (QWidget* w : placed) Realign(w);
}

bool TAlignLayout::eventFilter(QObject* watched, QEvent* event) {
    // A docked control shown or hidden frees or takes its room at once.
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) && parentWidget() &&
        AlignOf(static_cast<QWidget*>(watched)) != TAlign::alNone)
        setGeometry(parentWidget()->rect());
    return QLayout::eventFilter(watched, event);
}

void SetAlign(QWidget* child, TAlign align) {
    QWidget* parent = child->parentWidget();
    if (!parent) return;
    auto* layout = dynamic_cast<TAlignLayout*>(parent->layout());
    if (!layout) {
        if (align == TAlign::alNone) return;
        layout = new TAlignLayout(parent);
    }
    layout->Dock(child, align);
    Realign(parent);
}

void Realign(QWidget* container) {
    // Activated, the layout also follows every later resize of its container.
    if (auto* layout = dynamic_cast<TAlignLayout*>(container->layout())) {
        layout->activate();
        layout->setGeometry(container->rect());
    }
}

// ---- TPanel ----

TPanel::TPanel(QWidget* parent, const QString& name) : QFrame(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
}

void TPanel::SetCaption(const QString& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    update();
}

void TPanel::SetBevelOuter(TBevel bevel) {
    FBevelOuter = bevel;
    update();
}

void TPanel::SetBevelInner(TBevel bevel) {
    FBevelInner = bevel;
    update();
}

void TPanel::SetColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

namespace {

void DrawBevel(QPainter& p, QRect& r, TBevel bevel, const QPalette& pal) {
    if (bevel == TBevel::bvNone || r.width() < 2 || r.height() < 2) return;
    const QColor light = bevel == TBevel::bvRaised ? pal.color(QPalette::Light) : pal.color(QPalette::Mid);
    const QColor dark = bevel == TBevel::bvRaised ? pal.color(QPalette::Mid) : pal.color(QPalette::Light);
    p.setPen(light);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(dark);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    r.adjust(1, 1, -1, -1);
}

}  // namespace

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, FBevelOuter, palette());
    DrawBevel(p, r, FBevelInner, palette());
    if (!FCaption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, FCaption);
    }
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QFrame::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // The double click is this panel's: a panel around it (the fortune panel
    // around its header) does not get it as well.
    event->accept();
    emit doubleClicked();
}

// ---- TLabel ----

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption) : QLabel(parent) {
    setObjectName(name);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    adjustSize();
}

void TLabel::SetFontColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

QColor TLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void TLabel::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    emit mousePressed(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click) emit clicked();
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

// ---- TButton ----

TButton::TButton(QWidget* parent, const QString& name, const QString& caption) : QPushButton(caption, parent) {
    setObjectName(name);
}

void TButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, palette().color(QPalette::Button));
    p.setPen(palette().color(down ? QPalette::Dark : QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(down ? QPalette::Light : QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(palette().color(isEnabled() ? QPalette::ButtonText : QPalette::Mid));
    p.setFont(font());
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextSingleLine, text());
}

// ---- TStatusBar ----

TStatusBar::TStatusBar(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
    SetPanelCount(1);
}

void TStatusBar::SetPanelCount(int count, const std::vector<int>& widths) {
    FTexts.assign(std::max(count, 0), QString());
    FWidths = widths;
    update();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    if (FTexts.at(index) == text) return;
    FTexts.at(index) = text;
    update();
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    int x = 0;
    for (int i = 0; i < PanelCount(); ++i) {
        const bool last = i + 1 == PanelCount();
        const int w = last || i >= static_cast<int>(FWidths.size()) ? width() - x : FWidths[i];
        QRect r(x, 2, w - 2, height() - 2);
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, FTexts[i]);
        x += w;
        if (last) break;
    }
}
