// The shaped image button and the title strip.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Exception.h"
#include "platform/RgnBtn.h"

namespace {

const QRgb kKey = qRgb(255, 0, 255);

// A 20 x 20 image: key colour everywhere but a filled square (5..14).
QImage SquareImage(QRgb fill) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(kKey);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x) img.setPixel(x, y, fill);
    return img;
}

struct ButtonFixture : ::testing::Test {
    ButtonFixture() {
        parent.resize(40, 40);
        button = new TRgnBtn(&parent, "RgnBtn9");
        button->setGeometry(0, 0, 20, 20);
        button->SetGlyph(1, SquareImage(qRgb(0, 0, 200)));
        button->SetGlyph(2, SquareImage(qRgb(200, 0, 0)));
        button->SetRgnData(OutlineOfImage(button->Glyph1()));
        button->RefreshRgn();
        parent.show();
        QObject::connect(button, &TRgnBtn::clicked, [this] { ++clicks; });
    }
    QWidget parent;
    TRgnBtn* button;
    int clicks = 0;
};

}  // namespace

TEST_F(ButtonFixture, PressedImageOnlyInsideTheOutlineButAClickAnywhere) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(button->ShownGlyph().pixel(10, 10), qRgb(200, 0, 0));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks, 1);

    // A corner outside the outline: no pressed image, the click still acts.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(button->ShownGlyph().pixel(10, 10), qRgb(0, 0, 200));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonFixture, KeyColouredPixelsAreNotDrawn) {
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 200, 0));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixel(10, 10), qRgb(0, 0, 200));
    EXPECT_EQ(shot.pixel(1, 1), qRgb(0, 200, 0));
}

TEST_F(ButtonFixture, DisabledShowsGlyph3OnlyWhenThereIsOne) {
    button->setEnabled(false);
    EXPECT_EQ(button->ShownGlyph().pixel(10, 10), qRgb(0, 0, 200));
    button->SetGlyph(3, SquareImage(qRgb(90, 90, 90)));
    EXPECT_EQ(button->ShownGlyph().pixel(10, 10), qRgb(90, 90, 90));
}

TEST_F(ButtonFixture, TheOutlineIsScaledByTheButtonOverTheNormalImage) {
    button->resize(40, 10);  // twice as wide, half as high as the image
    button->RefreshRgn();
    EXPECT_EQ(button->Region().boundingRect(), QRect(10, 3, 20, 5));
    // Loading an image leaves the stored outline alone.
    button->SetGlyph(1, QImage(40, 10, QImage::Format_RGB32));
    EXPECT_EQ(button->RgnData().size(), 10u);
}

TEST_F(ButtonFixture, ANormalImageWithoutPixelsIsAnError) {
    button->SetGlyph(1, QImage());
    try {
        button->RefreshRgn();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "RgnBtn9:Glyph1 のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");
    }
}

TEST_F(ButtonFixture, ALabelClickIsTheButtonsClick) {
    auto* label = new TLabel(&parent, "Label9", "ok");
    button->BindLabel(label);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(RgnBtn, PushButtonOutlineIsTheRoundedBar) {
    QRegion bar;
    for (const QRect& r : PushButtonOutline()) bar += r;
    EXPECT_EQ(bar.boundingRect(), QRect(0, 0, 61, 20));
    EXPECT_FALSE(bar.contains(QPoint(0, 0)));
    EXPECT_FALSE(bar.contains(QPoint(0, 19)));
    EXPECT_TRUE(bar.contains(QPoint(0, 10)));
    EXPECT_TRUE(bar.contains(QPoint(6, 0)));
    EXPECT_FALSE(bar.contains(QPoint(55, 0)));
}

TEST(Rgn, PreparedOutlineIsScaledMovedAndHandedToTheStrip) {
    QWidget strip;
    strip.resize(640, 23);
    TRgn rgn(&strip, "Rgn1");
    rgn.setGeometry(0, 0, 640, 23);
    try {
        rgn.PrepareRgn();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Rgn1:RgnBitmap のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");
    }
    rgn.SetRgnBitmap(QImage(320, 23, QImage::Format_RGB32));  // half as wide: doubled
    rgn.SetRgnData({QRect(0, 0, 320, 22), QRect(1, 22, 319, 1)});
    rgn.move(0, 0);
    rgn.PrepareRgn();
    EXPECT_EQ(rgn.PreparedRegion(), QRegion(0, 0, 640, 22) + QRegion(2, 22, 638, 1));
    rgn.ApplyRgn();
    EXPECT_EQ(strip.mask(), rgn.PreparedRegion());
}
