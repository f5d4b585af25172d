// Docking, the sorted list, the tiled background and the clock.
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DateTime.h"
#include "platform/MDIWallpaper.h"
#include "platform/ProListBox.h"
#include "tests/TestUtil.h"

TEST(Align, DocksTopBottomLeftRightThenFillAndHiddenControlsTakeNoRoom) {
    QWidget box;
    box.resize(300, 200);
    auto child = [&](int w, int h) {
        auto* c = new QWidget(&box);
        c->resize(w, h);
        return c;
    };
    QWidget* fill = child(1, 1);
    QWidget* top = child(1, 20);
    QWidget* bottom1 = child(1, 10);
    QWidget* bottom2 = child(1, 30);
    QWidget* left = child(100, 1);
    QWidget* right = child(50, 1);
    SetAlign(fill, TAlign::alClient);  // docked first, placed last
    SetAlign(top, TAlign::alTop);
    SetAlign(bottom1, TAlign::alBottom);
    SetAlign(bottom2, TAlign::alBottom);
    SetAlign(left, TAlign::alLeft);
    SetAlign(right, TAlign::alRight);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 20));
    EXPECT_EQ(bottom1->geometry(), QRect(0, 190, 300, 10));
    EXPECT_EQ(bottom2->geometry(), QRect(0, 160, 300, 30));
    EXPECT_EQ(left->geometry(), QRect(0, 20, 100, 140));
    EXPECT_EQ(right->geometry(), QRect(250, 20, 50, 140));
    EXPECT_EQ(fill->geometry(), QRect(100, 20, 150, 140));

    box.show();
    right->hide();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(fill->geometry(), QRect(100, 20, 200, 140));
    box.resize(400, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(fill->geometry(), QRect(100, 20, 300, 40));
}

TEST(ProListBox, KeepsLinesSortedCaseInsensitivelyAsBytes) {
    TProListBox list;
    for (const char8_t* s : {u8"2001年04月05日[山田年休]", u8"2000年12月01日[b]", u8"2001年04月05日[Ａ出張]",
                             u8"2001年04月05日[ａ出張]", u8"2000年12月01日[A]"})
        list.Add(S(s));
    // Full-width Ａ and ａ compare equal: the later one goes after the earlier.
    const std::vector<std::string> expected = {S(u8"2000年12月01日[A]"), S(u8"2000年12月01日[b]"),
                                               S(u8"2001年04月05日[Ａ出張]"), S(u8"2001年04月05日[ａ出張]"),
                                               S(u8"2001年04月05日[山田年休]")};
    EXPECT_EQ(list.Lines(), expected);
    EXPECT_EQ(list.item(4)->text(), QString::fromUtf8("2001年04月05日[山田年休]"));
    list.Delete(0);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(0), S(u8"2000年12月01日[b]"));
    EXPECT_EQ(list.count(), 4);
}

TEST(ProListBox, ReportsEscapeAsCharacter27) {
    TProListBox list;
    int key = 0;
    QObject::connect(&list, &TProListBox::keyPressed, [&](int k) { key = k; });
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(key, 27);
}

TEST(MDIWallpaper, PitchGrowsOnlyForALargerPicture) {
    QWidget client;
    TMDIWallpaper paper(&client);
    EXPECT_EQ(paper.TileWidth(), 38);
    EXPECT_EQ(paper.TileHeight(), 53);
    paper.SetPicture(QImage(20, 20, QImage::Format_RGB32));
    EXPECT_EQ(paper.TileWidth(), 38);
    paper.SetPicture(QImage(64, 30, QImage::Format_RGB32));  // wider: both values replaced
    EXPECT_EQ(paper.TileWidth(), 64);
    EXPECT_EQ(paper.TileHeight(), 30);

    TMDIWallpaper group(&client, "MDIWallpaper2", 0, 0);
    group.SetPicture(QImage(10, 12, QImage::Format_RGB32));
    EXPECT_EQ(group.TileWidth(), 10);
    EXPECT_EQ(group.TileHeight(), 12);
}

TEST(MDIWallpaper, TilesThePictureAtEveryCell) {
    QWidget client;
    client.resize(100, 100);
    TMDIWallpaper paper(&client, "MDIWallpaper1", 50, 50);
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(qRgb(1, 2, 3));
    paper.SetPicture(tile);
    const QImage shot = client.grab().toImage();
    EXPECT_EQ(shot.pixel(55, 55), qRgb(1, 2, 3));
    EXPECT_NE(shot.pixel(25, 25), qRgb(1, 2, 3));  // the rest of a cell stays undrawn
}

TEST(Clock, ShowsTheProgramsClock) {
    using namespace std::chrono;
    const auto at = sys_days(year(2001) / 4 / 11) + hours(3) + minutes(25) + seconds(7);
    SetClock([at] { return system_clock::time_point(at); });
    TClock clock;
    const QTime expected = QDateTime::fromSecsSinceEpoch(duration_cast<seconds>(at.time_since_epoch()).count()).time();
    EXPECT_EQ(clock.Time(), expected);
    SetClock({});
}
