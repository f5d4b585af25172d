#pragma once
// Docked toolbars: a dock along the top of a window holding toolbars at fixed
// positions, each with a grip and a row of flat image buttons showing hints.
#include <QImage>
#include <QToolButton>
#include <QWidget>
#include <vector>

class TToolbarButton97;

class TDock97 : public QWidget {
    Q_OBJECT
public:
    explicit TDock97(QWidget* parent = nullptr, const QString& name = {});

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TToolbar97 : public QWidget {
    Q_OBJECT
public:
    // Docked in `dock` at horizontal position `dockPos`.
    TToolbar97(TDock97* dock, const QString& name, const QString& caption, int dockPos);

    QString Caption() const { return FCaption; }
    int DockPos() const { return FDockPos; }
    void AddButton(TToolbarButton97* button);
    const std::vector<TToolbarButton97*>& Buttons() const { return FButtons; }

    static constexpr int GripWidth = 9;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Arrange();

    QString FCaption;
    int FDockPos;
    std::vector<TToolbarButton97*> FButtons;
};

class TToolbarButton97 : public QToolButton {
    Q_OBJECT
public:
    TToolbarButton97(TToolbar97* toolbar, const QString& name, const QImage& glyph, const QString& hint = {});

    static constexpr int ButtonWidth = 23;
    static constexpr int ButtonHeight = 22;
};
