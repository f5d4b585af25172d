#pragma once
// The sorted list box: holds each line as code page 932 bytes, keeps them in
// ascending CompareText order and shows them converted.
#include <QListWidget>
#include <string>
#include <vector>

class TProListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TProListBox(QWidget* parent = nullptr, const QString& name = {});

    int Count() const { return static_cast<int>(FLines.size()); }
    const std::string& Strings(int index) const { return FLines.at(index); }
    const std::vector<std::string>& Lines() const { return FLines; }
    // Inserts at the sorted place (after equal lines); returns the position.
    int Add(const std::string& line);
    // Deleting the selected line leaves none selected.
    void Delete(int index);
    void Clear();
    // The selected position, or -1.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index) { setCurrentRow(index); }

signals:
    // A typed character (27 for Escape, 13 for Enter), as a key press reports it.
    void keyPressed(int key);
    // The user picked a line: a click on a line, or a key that moved the
    // selection (what a list box reports as its click).
    void lineClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<std::string> FLines;
    bool FDoubleClicking = false;  // between a double click and its release
};
