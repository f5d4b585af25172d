#pragma once
// A picture control: its image drawn unscaled at the top-left corner.
#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr, const QString& name = {});

    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FPicture;
};
