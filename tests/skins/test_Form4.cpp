// The skin dialog: loading and applying skins, moving the title buttons,
// colours, keys and closing.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QCheckBox>
#include <cstdio>

#include "app/Form1.h"
#include "app/Form3.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Image.h"
#include "platform/MDIWallpaper.h"
#include "platform/RgnBtn.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "tests/skins/SkinFixture.h"

namespace {

using SkinDialog = SkinFixture;

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

QRgb At(const QImage& image, int x = 10, int y = 5) { return image.pixel(x, y) | 0xFF000000; }

TSkinDat Dat(const char* name, int top1, int left1, TColor title, TColor caption) {
    TSkinDat d;
    d.Name = name;
    d.Button1Top = top1;
    d.Button1Left = left1;
    d.Button2Top = 2;
    d.Button2Left = 100;
    d.Button3Top = 3;
    d.Button3Left = 200;
    d.TitleColor = static_cast<int32_t>(title);
    d.CaptionColor = static_cast<int32_t>(caption);
    return d;
}

std::vector<std::string> DatLines(const std::string& path) { return SplitLines(ReadWholeFile(path)); }

}  // namespace

TEST_F(SkinDialog, LayoutAndStartValues) {
    TForm4& f = Start();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("スキン設定"));
    EXPECT_EQ(f.size(), QSize(640, 165));
    EXPECT_EQ(f.Image1->geometry(), QRect(0, 0, 640, 28));
    EXPECT_EQ(f.RgnBtn1->geometry(), QRect(8, -2, 19, 21));
    EXPECT_EQ(f.RgnBtn3->geometry(), QRect(46, -2, 19, 21));
    EXPECT_EQ(f.GroupBox4->geometry(), QRect(392, 32, 217, 70));
    EXPECT_EQ(f.ComboBox1->parentWidget(), f.GroupBox4);
    EXPECT_EQ(f.ComboBox1->geometry().topLeft(), QPoint(8, 34));
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(f.RgnBtn6->geometry(), QRect(148, 34, 61, 20));
    EXPECT_EQ(f.Label2->pos(), QPoint(168, 39));
    EXPECT_EQ(f.RgnBtn4->geometry(), QRect(504, 136, 61, 20));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("終了"));
    EXPECT_EQ(f.Button13->parentWidget(), f.GroupBox3);
    EXPECT_EQ(f.Button13->geometry(), QRect(68, 28, 25, 25));
    EXPECT_EQ(f.Button13->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(f.MDIWallpaper6->Client(), f.GroupBox5);
    EXPECT_EQ(f.MDIWallpaper1->TileWidth(), 38);
    EXPECT_EQ(f.MDIWallpaper1->TileHeight(), 53);
    EXPECT_EQ(f.TitleColor, clWhite);
    EXPECT_EQ(f.CaptionColor, clBlack);
}

TEST_F(SkinDialog, ActivationLoadsThePreviewAndListsTheSkins) {
    WriteSkin("Default", 0);
    WriteSkin("Spring", 1);
    WriteFileAtomic(tmp.File("skin/notes.txt"), "x");
    TForm4& f = Start();
    f.RgnBtn1->move(50, 3);
    f.ComboBox1->setEditText("Spring");
    script.Act([&](QDialog&) {
        EXPECT_EQ(f.RememberedName(), QStringLiteral("Spring"));
        EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Spring"));
        QStringList items;
        for (int i = 0; i < f.ComboBox1->count(); ++i) items << f.ComboBox1->itemText(i);
        items.sort();
        EXPECT_EQ(items, (QStringList{"Default", "Spring"}));  // folders only
        EXPECT_EQ(At(f.Image1->Picture()), SkinColour(1, "caption.bmp"));
        EXPECT_EQ(At(f.RgnBtn2->Glyph2()), SkinColour(1, "button2b.bmp"));
        EXPECT_EQ(At(f.MDIWallpaper4->Picture()), SkinColour(1, "wall.bmp"));
        EXPECT_EQ(f.MDIWallpaper4->TileWidth(), 40);  // wider and taller than the pitch
        EXPECT_EQ(f.MDIWallpaper4->TileHeight(), 60);
        // Positions and colours are not the activation's business.
        EXPECT_EQ(f.RgnBtn1->pos(), QPoint(50, 3));
        EXPECT_EQ(f.Label4->y(), 7);
        EXPECT_EQ(f.Label4->x(), 320 - f.Label4->width() / 2);
    });
    ShowModal(f);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(script.UnscriptedTexts.isEmpty()) << script.UnscriptedTexts.join('|').toStdString();
}

TEST_F(SkinDialog, ActivationWithAnEmptyBoxShowsDefault) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    f.ComboBox1->setEditText("");
    script.Act([&](QDialog&) {
        EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
        EXPECT_EQ(f.RememberedName(), QString());
    });
    ShowModal(f);
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(SkinDialog, LoadStepFillsThePreviewAndThePushButtonsButNotTheMainWindow) {
    WriteSkin("Default", 0);
    const std::string spring = WriteSkin("Spring", 1);
    WriteDat(spring, Dat("Spring", -2, 600, clRed, clBlue));
    TForm4& f = Start();
    TForm1& main = program->Form1();
    const QImage mainCaption = main.Rgn1->RgnBitmap();
    f.ComboBox1->setEditText("Spring");
    f.RgnBtn6Click();

    EXPECT_EQ(At(f.Image1->Picture()), SkinColour(1, "caption.bmp"));
    EXPECT_EQ(At(f.RgnBtn3->Glyph1()), SkinColour(1, "button3.bmp"));
    EXPECT_EQ(At(f.MDIWallpaper1->Picture()), SkinColour(1, "wall.bmp"));
    EXPECT_EQ(At(program->Form3().Button2->Glyph2()), SkinColour(1, "push1b.bmp"));
    EXPECT_EQ(At(f.RgnBtn8->Glyph1()), SkinColour(1, "push1.bmp"));
    TForm5& settings = program->Form5();
    EXPECT_EQ(At(settings.RgnBtn2->Glyph2()), SkinColour(1, "push1b.bmp"));
    EXPECT_NE(At(settings.RgnBtn3->Glyph1()), SkinColour(1, "push1.bmp")) << "選択 only from the apply step";
    // skin.dat: positions, colours, the preview title and the captions.
    EXPECT_EQ(f.RgnBtn1->pos(), QPoint(600, -2));
    EXPECT_EQ(f.RgnBtn3->pos(), QPoint(200, 3));
    EXPECT_EQ(f.TitleColor, clRed);
    EXPECT_EQ(f.CaptionColor, clBlue);
    EXPECT_EQ(f.Label4->FontColor(), QColor(Qt::red));
    EXPECT_EQ(f.Label6->FontColor(), QColor(Qt::blue));
    // The load step leaves the main window, the other dialogs' backgrounds
    // and captions alone, and writes nothing.
    EXPECT_EQ(main.Rgn1->RgnBitmap(), mainCaption);
    EXPECT_TRUE(main.Rgn1->Transparent());
    EXPECT_EQ(main.RgnBtn1->pos(), QPoint(7, 1));
    EXPECT_TRUE(program->Form3().MDIWallpaper1->Picture().isNull());
    EXPECT_TRUE(settings.MDIWallpaper1->Picture().isNull());
    EXPECT_NE(settings.Label5->FontColor(), QColor(Qt::blue));
    EXPECT_NE(program->Form3().Label2->FontColor(), QColor(Qt::blue));
    EXPECT_EQ(DatLines(spring + "skin.dat")[1], "-2");
}

TEST_F(SkinDialog, LoadStepOfAMissingFolderGoesBackToTheRememberedName) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        f.ComboBox1->setEditText("Gone");
        f.RgnBtn6Click();
        EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
        EXPECT_EQ(f.ComboBox1->lineEdit()->selectedText(), QStringLiteral("Default"));
        EXPECT_TRUE(f.isVisible());
    });
    script.Press();
    ShowModal(f);
    EXPECT_EQ(script.Texts().last(), QStringLiteral("Goneは存在しないスキンフォルダです。"));
}

TEST_F(SkinDialog, ApplyStepCarriesTheSkinIntoEveryWindowAndWritesSkinDat) {
    WriteSkin("Default", 0);
    const std::string night = WriteSkin("Night", 2);
    TForm4& f = Start();
    TForm1& main = program->Form1();
    TForm3& jump = program->Form3();
    f.ComboBox1->setEditText("Night");
    f.RgnBtn1->move(-4, 2);  // as moved in the dialog before
    f.TitleColor = clYellow;
    f.CaptionColor = clGreen;
    f.RgnBtn4Click();  // no skin.dat: the dialog's own values stay and are written

    EXPECT_FALSE(main.Rgn1->Transparent());
    EXPECT_EQ(At(main.Rgn1->RgnBitmap()), SkinColour(2, "caption.bmp"));
    EXPECT_EQ(main.RgnBtn1->pos(), QPoint(-4, 2));
    EXPECT_EQ(main.RgnBtn2->pos(), QPoint(30, -2));
    EXPECT_EQ(main.RgnBtn3->pos(), QPoint(46, -2));
    EXPECT_EQ(At(main.RgnBtn2->Glyph1()), SkinColour(2, "button2.bmp"));
    EXPECT_EQ(At(main.RgnBtn3->Glyph2()), SkinColour(2, "button3b.bmp"));
    EXPECT_EQ(At(main.Clock1->Back()), SkinColour(2, "wall.bmp"));
    EXPECT_EQ(At(jump.MDIWallpaper1->Picture()), SkinColour(2, "wall.bmp"));
    EXPECT_EQ(At(jump.Button1->Glyph1()), SkinColour(2, "push1.bmp"));
    EXPECT_EQ(main.Label1->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(jump.Label3->FontColor(), QColor(0, 128, 0));
    TForm2& entry = program->Form2();
    EXPECT_EQ(At(entry.MDIWallpaper1->Picture()), SkinColour(2, "wall.bmp"));
    EXPECT_EQ(At(entry.Button2->Glyph3()), SkinColour(2, "push1c.bmp"));
    EXPECT_EQ(At(entry.Button1->Glyph2()), SkinColour(2, "push1b.bmp"));
    EXPECT_EQ(entry.Label4->FontColor(), QColor(0, 128, 0));
    EXPECT_EQ(f.Label5->FontColor(), QColor(0, 128, 0));
    TForm5& settings = program->Form5();
    EXPECT_EQ(At(settings.MDIWallpaper1->Picture()), SkinColour(2, "wall.bmp"));
    EXPECT_EQ(At(settings.MDIWallpaper2->Picture()), SkinColour(2, "wall.bmp"));
    EXPECT_EQ(At(settings.RgnBtn1->Glyph1()), SkinColour(2, "push1.bmp"));
    EXPECT_EQ(At(settings.RgnBtn3->Glyph3()), SkinColour(2, "push1c.bmp"));
    EXPECT_EQ(settings.Label6->FontColor(), QColor(0, 128, 0));
    EXPECT_NE(settings.Label9->FontColor(), QColor(0, 128, 0)) << "選択 keeps its colour";
    EXPECT_EQ(DatLines(night + "skin.dat"),
              (std::vector<std::string>{"Night", "2", "-4", "-2", "30", "-2", "46", "65535", "32768"}));
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Night"));
}

TEST_F(SkinDialog, ApplyWithAnotherNameLoadsThatSkinsValuesFirst) {
    WriteSkin("Default", 0);
    const std::string spring = WriteSkin("Spring", 1);
    WriteDat(spring, Dat("Spring", 4, 9, clRed, clBlue));
    TForm4& f = Start();
    f.RgnBtn1->move(70, 70);
    f.ComboBox1->setEditText("Spring");
    f.RgnBtn4Click();
    EXPECT_EQ(program->Form1().RgnBtn1->pos(), QPoint(9, 4));
    EXPECT_EQ(program->Form1().Label1->FontColor(), QColor(Qt::red));
    EXPECT_EQ(DatLines(spring + "skin.dat")[2], "9");

    // The same name again: the dialog's values as they stand now.
    f.Button5Click();
    f.RgnBtn4Click();
    EXPECT_EQ(program->Form1().RgnBtn1->pos(), QPoint(9, 4)) << "remembered name is still empty: loaded again";
}

TEST_F(SkinDialog, ApplyKeepsTheDialogsValuesWhenTheNameIsTheRememberedOne) {
    const std::string def = WriteSkin("Default", 0);
    WriteDat(def, Dat("Default", 1, 7, clWhite, clBlack));
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        for (int i = 0; i < 3; ++i) QTest::mouseClick(f.Button7, Qt::LeftButton);  // shade ↓ three times
        EXPECT_EQ(f.RgnBtn2->pos(), QPoint(30, 4));
        EXPECT_EQ(program->Form1().RgnBtn2->pos(), QPoint(30, 1)) << "the main window waits for 反映";
        QTest::mouseClick(f.RgnBtn4, Qt::LeftButton, {}, QPoint(30, 10));
        EXPECT_FALSE(f.isVisible());
    });
    // ToolbarButton973 copies the main window's positions first.
    program->Form1().ToolbarButton973Click();
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(program->Form1().RgnBtn2->pos(), QPoint(30, 4));
    EXPECT_EQ(DatLines(def + "skin.dat")[3], "4");
}

TEST_F(SkinDialog, ASkinDatNamingAnotherSkin) {
    WriteSkin("Default", 0);
    const std::string night = WriteSkin("Night", 2);
    WriteSkin("Other", 3);
    WriteDat(night, Dat("Other", 5, 5, clWhite, clBlack));
    TForm4& f = Start();
    f.ComboBox1->setEditText("Night");
    f.RgnBtn4Click();
    // The images come from the folder the step began with; its skin.dat now
    // carries the other name, which stays the current skin name.
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Other"));
    EXPECT_EQ(At(program->Form1().Rgn1->RgnBitmap()), SkinColour(2, "caption.bmp"));
    EXPECT_EQ(DatLines(night + "skin.dat")[0], "Other");
    EXPECT_FALSE(FileExists(tmp.File("skin/Other/skin.dat")));
}

TEST_F(SkinDialog, AMissingFileStopsTheStepWhereItIsNeeded) {
    WriteSkin("Default", 0);
    const std::string spring = WriteSkin("Spring", 1, {"push1b.bmp"});
    TForm4& f = Start();
    TForm2& entry = program->Form2();
    TForm3& jump = program->Form3();
    const QImage pressedBefore = entry.Button1->Glyph2();
    const QImage jumpBefore = jump.Button1->Glyph1();
    f.ComboBox1->setEditText("Spring");
    script.Act([&](QDialog&) {  // opened with Spring: 反映 goes straight to the windows
        EXPECT_EQ(ErrorOf([&] { f.RgnBtn4Click(); }), "ﾌｧｲﾙ " + f.CurrentSkinFolder() + "push1b.bmp は開けません");
        EXPECT_TRUE(f.isVisible());
    });
    ShowModal(f);
    // The main window and the backgrounds came before the push buttons.
    EXPECT_EQ(At(program->Form1().Rgn1->RgnBitmap()), SkinColour(1, "caption.bmp"));
    EXPECT_EQ(At(program->Form1().RgnBtn3->Glyph2()), SkinColour(1, "button3b.bmp"));
    EXPECT_EQ(At(jump.MDIWallpaper1->Picture()), SkinColour(1, "wall.bmp"));
    EXPECT_EQ(At(entry.Button1->Glyph1()), SkinColour(1, "push1.bmp"));
    EXPECT_EQ(entry.Button1->Glyph2(), pressedBefore);
    EXPECT_EQ(jump.Button1->Glyph1(), jumpBefore);
    EXPECT_TRUE(program->Form1().Rgn1->Transparent());
    EXPECT_FALSE(FileExists(spring + "skin.dat"));
}

TEST_F(SkinDialog, AMissingDisabledImageStopsAtTheEntryDialogsCloseButton) {
    WriteSkin("Default", 0);
    const std::string spring = WriteSkin("Spring", 1, {"push1c.bmp"});
    TForm4& f = Start();
    TRgnBtn* entryClose = program->Form2().Button2;
    const QImage disabledBefore = entryClose->Glyph3();
    f.ComboBox1->setEditText("Spring");
    // The path as formed: the program folder's separator doubles.
    EXPECT_EQ(ErrorOf([&] { f.RgnBtn6Click(); }), "ﾌｧｲﾙ " + tmp.Path() + "//skin/Spring/push1c.bmp は開けません");
    EXPECT_EQ(At(entryClose->Glyph1()), SkinColour(1, "push1.bmp"));
    EXPECT_EQ(At(entryClose->Glyph2()), SkinColour(1, "push1b.bmp"));
    EXPECT_EQ(entryClose->Glyph3(), disabledBefore);
    EXPECT_NE(At(program->Form3().Button1->Glyph1()), SkinColour(1, "push1.bmp"));
    EXPECT_EQ(ErrorOf([&] { f.RgnBtn4Click(); }), "ﾌｧｲﾙ " + f.CurrentSkinFolder() + "push1c.bmp は開けません");
    EXPECT_FALSE(FileExists(spring + "skin.dat"));
}

TEST_F(SkinDialog, BadBitmapsGiveTheirMessages) {
    WriteSkin("Default", 0);
    const std::string bad = WriteSkin("Bad", 1);
    TForm4& f = Start();
    f.ComboBox1->setEditText("Bad");

    WriteFileAtomic(bad + "wall.bmp", "this is text");
    EXPECT_EQ(ErrorOf([&] { f.RgnBtn6Click(); }), "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");

    // A bitmap without pixels as a normal image: the outline cannot be made.
    WriteSkin("Bad", 1);
    const std::string emptyBmp = std::string("BM") + std::string(12, '\0') + std::string("\x28\0\0\0", 4) +
                                 std::string(4, '\0') + std::string("\x01\0\0\0", 4) + std::string("\x01\0\x18\0", 4) +
                                 std::string(24, '\0');
    WriteFileAtomic(bad + "button2.bmp", emptyBmp);
    EXPECT_EQ(ErrorOf([&] { f.RgnBtn6Click(); }), "RgnBtn2:Glyph1 のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");

    // A title image without pixels stops the apply step at the strip's outline.
    WriteSkin("Bad", 1);
    WriteFileAtomic(bad + "caption.bmp", emptyBmp);
    EXPECT_EQ(ErrorOf([&] { f.RgnBtn4Click(); }), "Rgn1:RgnBitmap のﾋﾞｯﾄﾏｯﾌﾟが正しくありません");
    EXPECT_FALSE(program->Form1().Rgn1->Transparent());
    EXPECT_FALSE(FileExists(bad + "skin.dat"));
}

TEST_F(SkinDialog, AnErrorFromAClickReachesTheErrorBox) {
    WriteSkin("Default", 0);
    WriteSkin("Bad", 1, {"wall.bmp"});
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        f.ComboBox1->setEditText("Bad");
        QTest::mouseClick(f.Label2, Qt::LeftButton);  // the caption of 読込
        EXPECT_TRUE(f.isVisible());
    });
    script.Press();
    ShowModal(f);
    ASSERT_EQ(script.Log().size(), 2u);
    EXPECT_EQ(script.Log()[1].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(script.Log()[1].Text.endsWith("/skin/Bad/wall.bmp は開けません")) << script.Log()[1].Text.toStdString();
}

TEST_F(SkinDialog, TheTitleStripTakesTheOutlinePreparedOneStepBefore) {
    WriteSkin("Default", 0);
    const std::string half = WriteSkin("Half", 1);
    QImage narrow(320, 23, QImage::Format_RGB32);  // stretched twice as wide
    narrow.fill(Qt::darkCyan);
    ASSERT_TRUE(narrow.save(QString::fromStdString(half + "caption.bmp"), "BMP"));
    TForm4& f = Start();
    QWidget* strip = program->Form1().Panel13;
    f.ComboBox1->setEditText("Half");
    f.RgnBtn4Click();
    // In use: the outline prepared at creation, from the 640-wide built-in image.
    EXPECT_TRUE(strip->mask().contains(QPoint(1, 22)));
    EXPECT_FALSE(strip->mask().contains(QPoint(0, 22)));
    f.RgnBtn4Click();
    // Now the one prepared from the 320-wide image: the left end of the bottom
    // row is two pixels wide.
    EXPECT_FALSE(strip->mask().contains(QPoint(1, 22)));
    EXPECT_TRUE(strip->mask().contains(QPoint(2, 22)));
}

TEST_F(SkinDialog, TitleButtonsKeepTheirOutlineAfterASkin) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    TForm1& main = program->Form1();
    f.RgnBtn4Click();
    // The skin's image is all colour but its bottom row; the outline still
    // comes from the built-in image, so a press in its corner shows nothing.
    TRgnBtn* shade = main.RgnBtn2;
    const std::vector<QRect>& outline = shade->RgnData();
    ASSERT_FALSE(outline.empty());
    QTest::mousePress(shade, Qt::LeftButton, {}, QPoint(0, 20));
    EXPECT_FALSE(shade->Pressed());
    EXPECT_EQ(At(shade->ShownGlyph()), SkinColour(0, "button2.bmp"));
    QTest::mouseRelease(shade, Qt::LeftButton, {}, QPoint(0, 20));
    EXPECT_EQ(main.height(), 23) << "the click still rolls the window up";
    const QPoint inside = outline[outline.size() / 2].center();
    QTest::mousePress(shade, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(shade->Pressed());
    EXPECT_EQ(At(shade->ShownGlyph()), SkinColour(0, "button2b.bmp"));
    QTest::mouseRelease(shade, Qt::LeftButton, {}, inside);
}

TEST_F(SkinDialog, PushButtonsPressOnlyInsideTheirRoundedOutline) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        QTest::mousePress(f.RgnBtn5, Qt::LeftButton, {}, QPoint(8, 10));
        EXPECT_TRUE(f.RgnBtn5->Pressed());
        EXPECT_EQ(At(f.RgnBtn5->ShownGlyph()), SkinColour(0, "push1b.bmp"));  // activation loaded none: load first
        QTest::mouseRelease(f.RgnBtn5, Qt::LeftButton, {}, QPoint(70, 10));  // released outside: no click
        EXPECT_TRUE(f.isVisible());
        QTest::mousePress(f.RgnBtn5, Qt::LeftButton, {}, QPoint(1, 1));  // corner outside the outline
        EXPECT_FALSE(f.RgnBtn5->Pressed());
        QTest::mouseRelease(f.RgnBtn5, Qt::LeftButton, {}, QPoint(1, 1));
        EXPECT_FALSE(f.isVisible()) << "a click anywhere on the button acts";
    });
    f.ComboBox1->setEditText("Default");
    f.RgnBtn6Click();
    ShowModal(f);
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(SkinDialog, DraggingAPreviewButtonOntoTheStrip) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        QTest::mousePress(f.RgnBtn1, Qt::LeftButton, {}, QPoint(9, 9));
        EXPECT_EQ(f.DragSource(), f.RgnBtn1);
        QTest::mouseRelease(f.RgnBtn1, Qt::LeftButton, {}, f.RgnBtn1->mapFrom(&f, QPoint(3, 5)));
        EXPECT_EQ(f.RgnBtn1->pos(), QPoint(-5, -3));  // top −3, left −5
        EXPECT_EQ(f.DragSource(), nullptr);

        // Any mouse button drags; a drop off the strip moves nothing.
        QTest::mousePress(f.RgnBtn3, Qt::RightButton, {}, QPoint(9, 9));
        QTest::mouseRelease(f.RgnBtn3, Qt::RightButton, {}, f.RgnBtn3->mapFrom(&f, QPoint(300, 20)));
        EXPECT_EQ(f.RgnBtn3->pos(), QPoint(292, 12));
        QTest::mousePress(f.RgnBtn3, Qt::LeftButton, {}, QPoint(9, 9));
        QTest::mouseRelease(f.RgnBtn3, Qt::LeftButton, {}, f.RgnBtn3->mapFrom(&f, QPoint(300, 100)));
        EXPECT_EQ(f.RgnBtn3->pos(), QPoint(292, 12));

        bool accept = true;
        f.Image1DragOver(f.Label1, 10, 10, accept);
        EXPECT_FALSE(accept) << "only a shaped image button is taken";
    });
    ShowModal(f);
    EXPECT_EQ(program->Form1().RgnBtn1->pos(), QPoint(7, 1));
}

TEST_F(SkinDialog, ArrowButtonsMoveTheirPreviewWithoutLimits) {
    TForm4& f = Start();
    struct Case {
        TButton* Button;
        TRgnBtn* Preview;
        QPoint Step;
    };
    const Case cases[] = {
        {f.Button2, f.RgnBtn1, {0, -1}},  {f.Button3, f.RgnBtn1, {0, 1}},   {f.Button4, f.RgnBtn1, {-1, 0}},
        {f.Button5, f.RgnBtn1, {1, 0}},   {f.Button6, f.RgnBtn2, {0, -1}},  {f.Button7, f.RgnBtn2, {0, 1}},
        {f.Button8, f.RgnBtn2, {-1, 0}},  {f.Button9, f.RgnBtn2, {1, 0}},   {f.Button10, f.RgnBtn3, {0, -1}},
        {f.Button11, f.RgnBtn3, {0, 1}},  {f.Button12, f.RgnBtn3, {-1, 0}}, {f.Button13, f.RgnBtn3, {1, 0}},
    };
    for (const Case& c : cases) {
        c.Preview->move(0, 0);
        for (int i = 0; i < 3; ++i) QTest::mouseClick(c.Button, Qt::LeftButton);
        EXPECT_EQ(c.Preview->pos(), c.Step * 3) << c.Button->objectName().toStdString();
    }
}

TEST_F(SkinDialog, EscAfterLoadKeepsTheLoadedNameWhileExitRestoresTheRememberedOne) {
    WriteSkin("Default", 0);
    WriteSkin("Spring", 1);
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        f.ComboBox1->setEditText("Spring");
        QTest::keyClick(f.ComboBox1, Qt::Key_Return);  // Enter loads
        EXPECT_EQ(At(f.Image1->Picture()), SkinColour(1, "caption.bmp"));
        QTest::keyClick(f.ComboBox1, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    ShowModal(f);
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Spring")) << "saved as the current skin at exit";
    EXPECT_EQ(f.RememberedName(), QStringLiteral("Default"));

    // 終了 after a load: the name goes back, the loaded push images stay.
    script.Act([&](QDialog&) {
        EXPECT_EQ(f.RememberedName(), QStringLiteral("Spring"));
        f.ComboBox1->setEditText("Default");
        f.RgnBtn6Click();
        QTest::mouseClick(f.Label1, Qt::LeftButton);
    });
    ShowModal(f);
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Spring"));
    EXPECT_EQ(At(program->Form3().Button1->Glyph1()), SkinColour(0, "push1.bmp"));
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(SkinDialog, EscOnAnArrowButtonClosesAndAnEmptyBoxGetsTheNameBack) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.Act([&](QDialog&) {
        f.ComboBox1->setEditText("");
        QTest::keyClick(f.Button9, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    ShowModal(f);
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
    // Likewise for the frame's close box, and the empty box in the steps.
    script.Act([&](QDialog&) {
        f.ComboBox1->setEditText("");
        f.RgnBtn6Click();
        f.RgnBtn4Click();
        EXPECT_TRUE(f.isVisible());
        f.close();
    });
    ShowModal(f);
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(script.UnscriptedTexts.isEmpty());
}

TEST_F(SkinDialog, ColourChoosers) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.PickColor(QColor(255, 0, 0)).CancelColor().PickColor(QColor(0, 0, 255)).CancelColor();
    f.RgnBtn7Click();
    EXPECT_EQ(f.TitleColor, clRed);
    EXPECT_EQ(f.Label4->FontColor(), QColor(Qt::red));
    f.RgnBtn7Click();  // cancelled: nothing changes
    EXPECT_EQ(f.TitleColor, clRed);
    EXPECT_EQ(script.Log()[1].Color, QColor(Qt::red)) << "starts from the preview title";
    QTest::mouseClick(f.Label6, Qt::LeftButton);  // ﾎﾞﾀﾝ by its caption
    EXPECT_EQ(f.CaptionColor, clBlue);
    for (TLabel* l : {f.Label1, f.Label2, f.Label3, f.Label5, f.Label6}) EXPECT_EQ(l->FontColor(), QColor(Qt::blue));
    f.RgnBtn8Click();
    EXPECT_EQ(f.CaptionColor, clBlue);
    EXPECT_NE(program->Form3().Label2->FontColor(), QColor(Qt::blue)) << "only through 反映";
}

TEST_F(SkinDialog, AChosenTitleColourOutlivesExitAndIsAppliedLater) {
    WriteSkin("Default", 0);
    TForm4& f = Start();
    script.Act([&](QDialog&) { f.RgnBtn5Click(); });
    script.PickColor(QColor(255, 0, 0));
    script.Act([&](QDialog&) {
        EXPECT_EQ(f.Label4->FontColor(), QColor(Qt::white)) << "the main window's title colour";
        EXPECT_EQ(f.TitleColor, clRed);
        f.RgnBtn4Click();
    });
    ShowModal(f);
    f.RgnBtn7Click();
    ShowModal(f);
    EXPECT_EQ(program->Form1().Label1->FontColor(), QColor(Qt::red));
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(SkinDialog, MissingSkinFolderAtActivationAsksForTheSettingsWhileTheyChange) {
    const std::string elsewhere = tmp.Path() + "/mine";
    WriteSkin(elsewhere, "Default", 3);
    TForm4& f = Start();
    TForm5& settings = program->Form5();
    script.Press();
    script.Act([&](QDialog&) {
        settings.CheckBox4->setChecked(true);
        settings.Edit3->setText(QString::fromStdString(elsewhere));
    });
    script.Act([&](QDialog&) {
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(At(f.Image1->Picture()), SkinColour(3, "caption.bmp"));
        EXPECT_EQ(f.ComboBox1->count(), 1);
    });
    ShowModal(f);
    EXPECT_EQ(script.Texts().first(), QStringLiteral("スキン用のパスが正しく設定されていません。"));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(script.UnscriptedTexts.isEmpty());
}

TEST_F(SkinDialog, MissingSkinFolderAndNoChangeStopsAsking) {
    TForm4& f = Start();
    // No skins anywhere: the dialog closes.
    script.Press().Act([](QDialog&) {});
    script.Act([&](QDialog&) { EXPECT_FALSE(f.isVisible()); });
    ShowModal(f);
    EXPECT_EQ(script.Pending(), 0);

    // Only the name is stale: the dialog stays open to pick another skin.
    WriteSkin("Default", 0);
    f.ComboBox1->setEditText("Gone");
    script.Press().Act([](QDialog&) {});
    script.Act([&](QDialog&) {
        EXPECT_TRUE(f.isVisible());
        ASSERT_EQ(f.ComboBox1->count(), 1);
        f.ComboBox1->setEditText(f.ComboBox1->itemText(0));
        f.RgnBtn4Click();
    });
    ShowModal(f);
    EXPECT_TRUE(FileExists(tmp.File("skin/Default/skin.dat")));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(script.UnscriptedTexts.isEmpty());
}

TEST_F(SkinDialog, LocalSkinRootIsTakenFromTheSettingsDialogAsItStands) {
    const std::string mine = tmp.Path() + "/mine";
    WriteSkin(mine, "Blue", 2);
    TForm4& f = Start();
    program->Form5().CheckBox4->setChecked(true);
    program->Form5().Edit3->setText(QString::fromStdString(mine));
    EXPECT_EQ(f.CurrentSkinRoot(), mine);
    f.ComboBox1->setEditText("Blue");
    EXPECT_EQ(f.CurrentSkinFolder(), mine + "/skin/Blue/");
    f.RgnBtn4Click();
    EXPECT_EQ(At(program->Form1().Rgn1->RgnBitmap()), SkinColour(2, "caption.bmp"));
    EXPECT_TRUE(FileExists(mine + "/skin/Blue/skin.dat"));
}

TEST_F(SkinDialog, StartUpAppliesTheSavedSkinOfTheProgramFolder) {
    // A Japanese name: code page 932 in the settings file and skin.dat,
    // UTF-8 in the file system.
    const std::string spring = WriteSkin(Utf8(u8"春"), 1);
    WriteDat(spring, Dat(S(u8"春").c_str(), 3, 600, clYellow, clRed));
    WriteFileAtomic(tmp.File("Kuralo.ini"), "[NetWork]\r\nLocal=1\r\n[Skin]\r\nPath=" + S(u8"春") + "\r\n");
    TForm4& f = Start();
    TForm1& main = program->Form1();
    main.FormActivate();
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("春"));
    EXPECT_EQ(main.RgnBtn1->pos(), QPoint(600, 3));
    EXPECT_FALSE(main.Rgn1->Transparent());
    EXPECT_EQ(main.Label1->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(program->Form3().Label3->FontColor(), QColor(Qt::red));
    EXPECT_EQ(DatLines(spring + "skin.dat")[0], S(u8"春"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.RememberedName(), QString()) << "never activated";
}

TEST_F(SkinDialog, StartUpWithoutSkinDatKeepsTheBuiltInLook) {
    WriteSkin("Night", 2);
    WriteFileAtomic(tmp.File("Kuralo.ini"), "[Skin]\r\nPath=Night\r\n");
    TForm4& f = Start();
    f.ApplySavedSkinAtStart();
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Night"));
    EXPECT_TRUE(program->Form1().Rgn1->Transparent());
    EXPECT_FALSE(FileExists(tmp.File("skin/Night/skin.dat")));
    // No settings file: the name box keeps its name.
    std::remove(tmp.File("Kuralo.ini").c_str());
    f.ComboBox1->setEditText("Default");
    f.ApplySavedSkinAtStart();
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
}

TEST_F(SkinDialog, StartUpWithTheSkinMissingFromTheLocalRootKeepsTheSavedName) {
    const std::string def = WriteSkin("Default", 0);
    WriteDat(def, Dat("Default", 1, 7, clWhite, clBlack));
    TForm4& f = Start();
    program->Form5().CheckBox4->setChecked(true);
    program->Form5().Edit3->setText(QString::fromStdString(tmp.Path() + "/nothing"));
    script.Press();
    f.ApplySavedSkinAtStart();
    EXPECT_EQ(script.Texts(), QStringList{QStringLiteral("Defaultは存在しないスキンフォルダです。")});
    EXPECT_EQ(f.ComboBox1->currentText(), QStringLiteral("Default"));
}

TEST_F(SkinDialog, ApplyColoursSetsTheTitleAndEveryCaption) {
    TForm4& f = Start();
    f.TitleColor = clLime;
    f.CaptionColor = clFuchsia;
    f.ApplyColours();
    EXPECT_EQ(program->Form1().Label1->FontColor(), QColor(0, 255, 0));
    for (TLabel* l : {program->Form2().Label3, program->Form2().Label4, program->Form3().Label2,
                      program->Form3().Label3, program->Form5().Label5,
                      program->Form5().Label6, f.Label1, f.Label6})
        EXPECT_EQ(l->FontColor(), QColor(255, 0, 255));
    EXPECT_NE(program->Form3().Label1->FontColor(), QColor(255, 0, 255)) << "not a push-button caption";
}

TEST_F(SkinDialog, EveryShippedSkinAppliesAndKeepsItsSkinDat) {
    const QDir shipped(QStringLiteral(KURALO_SOURCE_DIR "/resources/skins"));
    const QStringList names = shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const std::string folder = tmp.Path() + "/skin/" + name.toStdString() + "/";
        ASSERT_TRUE(ForceDirectories(folder));
        for (const QString& file : QDir(shipped.filePath(name)).entryList(QDir::Files))
            WriteFileAtomic(folder + file.toStdString(),
                            ReadWholeFile(shipped.filePath(name + "/" + file).toStdString()));
    }
    TForm4& f = Start();
    for (const QString& name : names) {
        const std::string dat = tmp.Path() + "/skin/" + name.toStdString() + "/skin.dat";
        const std::string before = ReadWholeFile(dat);
        f.ComboBox1->setEditText(name);
        f.RgnBtn4Click();
        EXPECT_EQ(ReadWholeFile(dat), before) << name.toStdString();
        TSkinDat values;
        ReadSkinDat(dat, values);
        EXPECT_EQ(program->Form1().RgnBtn3->pos(), QPoint(values.Button3Left, values.Button3Top));
        EXPECT_EQ(QColorToColor(program->Form1().Label1->FontColor()), TColor(values.TitleColor));
    }
}
