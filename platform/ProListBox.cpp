#include "platform/ProListBox.h"

#include <QKeyEvent>
#include <algorithm>

#include "platform/Sjis.h"
#include "platform/SjisQt.h"

TProListBox::TProListBox(QWidget* parent, const QString& name) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A double click is one click and the double click: its release clicks no more.
    connect(this, &QAbstractItemView::clicked, this, [this] {
        if (!FDoubleClicking) emit lineClicked();
    });
}

int TProListBox::Add(const std::string& line) {
    auto at = std::upper_bound(FLines.begin(), FLines.end(), line,
                               [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    const int index = static_cast<int>(at - FLines.begin());
    FLines.insert(at, line);
    insertItem(index, SjisToQString(line));
    return index;
}

void TProListBox::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    // Deleting the selected line leaves no line selected (rather than its
    // neighbour, which a second delete would then take).
    const bool selected = index == currentRow();
    FLines.erase(FLines.begin() + index);
    delete takeItem(index);
    if (selected) setCurrentRow(-1);
}

void TProListBox::Clear() {
    FLines.clear();
    clear();
}

void TProListBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    int key = 0;
    if (event->key() == Qt::Key_Escape)
        key = 27;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = 13;
    else if (text.size() == 1)
        key = text.at(0).unicode();
    if (key) emit keyPressed(key);
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) emit lineClicked();
}

void TProListBox::mousePressEvent(QMouseEvent* event) {
    FDoubleClicking = false;
    QListWidget::mousePressEvent(event);
}

void TProListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    FDoubleClicking = true;
    QListWidget::mouseDoubleClickEvent(event);
}

void TProListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    FDoubleClicking = false;
}
