// One runner for engine and widget tests; widget tests need the application
// object (which turns an error leaving a handler into an error box).
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Dialogs.h"

namespace {

// Answers any dialog that no test scripted (so nothing blocks) and fails the
// test that opened it. Tests that expect dialogs install their own script.
class TUnexpectedDialogs : public TDialogScript {
protected:
    void Unscripted(const TDialogRequest& request) override {
        ADD_FAILURE() << "unexpected dialog: " << request.Text.toStdString();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    TUnexpectedDialogs unexpected;
    return RUN_ALL_TESTS();
}
