#include "platform/IconTray.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace {
std::optional<bool>& AvailableOverride() {
    static std::optional<bool> value;
    return value;
}
}  // namespace

TIconTray::TIconTray(QObject* parent, const QString& name) : QObject(parent) { setObjectName(name); }

TIconTray::~TIconTray() = default;

bool TIconTray::Available() {
    if (AvailableOverride()) return *AvailableOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TIconTray::SetAvailableForTesting(std::optional<bool> available) { AvailableOverride() = available; }

void TIconTray::SetIcon(const QIcon& icon) {
    FIcon = icon;
    if (FTray) FTray->setIcon(icon);
}

void TIconTray::SetPopupMenu(QMenu* menu) {
    FMenu = menu;
    if (FTray) FTray->setContextMenu(menu);
}

void TIconTray::Show() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!FTray) {
        FTray = std::make_unique<QSystemTrayIcon>(FIcon);
        FTray->setContextMenu(FMenu);
        connect(FTray.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick) emit doubleClicked();
        });
    }
    FTray->show();
}
