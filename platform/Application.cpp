#include "platform/Application.h"

#include <exception>

#include "platform/Dialogs.h"
#include "platform/Exception.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Kuralo"));
    setApplicationDisplayName(Title());
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& e) {
        ShowErrorBox(QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("不明なエラーが発生しました。"));
    }
    return true;
}
