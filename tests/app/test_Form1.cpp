// The main window's title bar, toolbar, tray and the windows it opens.
#include <QSignalSpy>

#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/Shell.h"
#include "platform/Toolbar97.h"
#include "settings/Form5.h"
#include "skins/Form4.h"
#include "tests/app/MainWindowFixture.h"

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, ShadeRollsUpToTheTitleAndDownTo450) {
    EXPECT_TRUE(form->RgnBtn2->isVisibleTo(form));  // shown by the activation
    QTest::mouseClick(form->RgnBtn2, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_EQ(form->height(), 23);
    QTest::mouseClick(form->RgnBtn2, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_EQ(form->height(), 450);
    EXPECT_EQ(form->width(), 640);
    // A double click on the title text does the same.
    QTest::mouseDClick(form->Label1, Qt::LeftButton);
    EXPECT_EQ(form->height(), 23);
    QTest::mouseDClick(form->Rgn1, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(form->height(), 450);
}

TEST_F(MainWindow, DraggingTheTitleMovesTheWindow) {
    form->show();
    form->move(100, 100);
    const QPoint start = form->Rgn1->mapToGlobal(QPoint(300, 5));
    QTest::mousePress(form->Rgn1, Qt::LeftButton, {}, QPoint(300, 5));
    for (QPoint step : {QPoint(20, 10), QPoint(40, 20)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(QPoint(300, 5) + step), QPointF(start + step), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Rgn1, &move);
    }
    QTest::mouseRelease(form->Rgn1, Qt::LeftButton, {}, QPoint(340, 25));
    // The offscreen desktop has no move loop of its own: the window follows
    // the mouse from the point where the drag began.
    EXPECT_EQ(form->pos(), QPoint(140, 120));
    EXPECT_EQ(form->height(), 423);  // a drag is no double click
}

TEST_F(MainWindow, ToolbarButtonHidesAndShowsTheDockWithBothToolbars) {
    const int monthTop = form->Panel1->y();
    QTest::mouseClick(form->RgnBtn3, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_TRUE(form->Dock971->isHidden());
    EXPECT_TRUE(form->Toolbar971->isHidden());
    EXPECT_TRUE(form->Toolbar972->isHidden());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Panel1->y(), 0);  // the calendars move up into its place
    QTest::mouseClick(form->RgnBtn3, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_FALSE(form->Dock971->isHidden());
    EXPECT_FALSE(form->Toolbar971->isHidden());
    EXPECT_FALSE(form->Toolbar972->isHidden());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Panel1->y(), monthTop);
}

TEST_F(MainWindow, EscapeHidesAndATrayDoubleClickBringsItBackOnTheSameDate) {
    TIconTray::SetAvailableForTesting(true);
    form->show();
    form->MonthlyCalendar1->SetDate(2001, 5, 3);
    QTest::keyClick(form->ListBox1, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    form->IconTray1->DblClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Views(), Same("2001-5-3"));
    for (QWidget* w : {static_cast<QWidget*>(form->MonthlyCalendar1), static_cast<QWidget*>(form->WeeklyCalendar1),
                       static_cast<QWidget*>(form->DailyCalendar1)}) {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible()) << w->objectName().toStdString();
        form->IconTray1->DblClick();
    }
}

TEST_F(MainWindow, WithoutANotificationAreaEscapeMinimisesInstead) {
    TIconTray::SetAvailableForTesting(false);
    form->show();
    QTest::keyClick(form->MonthlyCalendar1, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    form->IconTray1->DblClick();
    EXPECT_FALSE(form->windowState() & Qt::WindowMinimized);
}

TEST_F(MainWindow, CloseButtonAndDoorCloseTheWindow) {
    QSignalSpy closed(form, &TForm1::Closed);
    form->show();
    QTest::mouseClick(form->RgnBtn1, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    form->show();
    form->ToolbarButton979->click();
    EXPECT_EQ(closed.count(), 2);
}

TEST_F(MainWindow, AboutHelpSettingsAndSkinButtons) {
    script.Press();
    form->ToolbarButton977->click();
    script.Press();
    form->N2->trigger();
    EXPECT_EQ(script.Texts(), QStringList({"くらろん！ Ver 1.00", "くらろん！ Ver 1.00"}));

    std::string opened;
    SetShellOpener([&](const std::string& file) { opened = file; });
    form->ToolbarButton978->click();
    SetShellOpener({});
    EXPECT_EQ(opened, tmp.Path() + "/help/Kuralo.htm");

    bool settingsShown = false;
    script.Act([&](QDialog& d) { settingsShown = &d == &program->Form5() && d.isVisible(); });
    form->ToolbarButton972->click();
    EXPECT_TRUE(settingsShown);

    // The skin dialog's previews start where the main window's title buttons are.
    form->RgnBtn2->move(33, 2);
    QPoint previewAt;
    script.Act([&](QDialog&) { previewAt = program->Form4().RgnBtn2->pos(); });
    form->ToolbarButton973->click();
    EXPECT_EQ(previewAt, QPoint(33, 2));
    EXPECT_EQ(program->Form4().RgnBtn1->pos(), form->RgnBtn1->pos());
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(MainWindow, TitleButtonsPressOnlyInsideTheirRoundOutline) {
    TRgnBtn* close = form->RgnBtn1;
    EXPECT_EQ(close->size(), QSize(19, 21));
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(0, 20));  // bottom-left corner: outside
    EXPECT_FALSE(close->Pressed());
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(0, 20));
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(9, 10));
    EXPECT_TRUE(close->Pressed());
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(9, 10));
}
