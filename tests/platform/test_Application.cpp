// An error leaving an event handler ends up in an error box, never in Qt.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"

TEST(Application, AnErrorLeavingAHandlerIsShownAndWhatItChangedStays) {
    ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    QPushButton button("go");
    button.resize(40, 20);
    int before = 0, after = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++before;
        throw EJuliusError("1582/10/5-10/14は存在しません。");
        ++after;
    });
    TDialogScript script;
    script.Press();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 0);
    ASSERT_EQ(script.Log().size(), 1u);
    EXPECT_EQ(script.Log()[0].Text, "1582/10/5-10/14は存在しません。");
    EXPECT_EQ(script.Log()[0].Type, TMsgDlgType::mtError);

    // The program goes on: the next click runs the handler again.
    script.Press();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(before, 2);
}

TEST(Application, AnyStandardErrorIsShownWithItsText) {
    struct Thrower : QObject {
        bool event(QEvent*) override { throw std::out_of_range("index out of range"); }
    } thrower;
    TDialogScript script;
    script.Press();
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &e);
    EXPECT_EQ(script.Texts(), QStringList({"index out of range"}));
}
