#include "platform/Shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {
ShellOpener& Opener() {
    static ShellOpener opener;
    return opener;
}
}  // namespace

void ShellOpen(const std::string& file) {
    if (Opener()) {
        Opener()(file);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file)));
}

void SetShellOpener(ShellOpener opener) { Opener() = std::move(opener); }
