#pragma once
// The notification-area icon with its right-button menu and double click.
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class QSystemTrayIcon;

class TIconTray : public QObject {
    Q_OBJECT
public:
    explicit TIconTray(QObject* parent = nullptr, const QString& name = {});
    ~TIconTray() override;

    void SetIcon(const QIcon& icon);
    void SetPopupMenu(QMenu* menu);
    QMenu* PopupMenu() const { return FMenu; }
    // Puts the icon into the notification area (where the desktop has one).
    void Show();

    // Whether the desktop has a notification area to show the icon in.
    static bool Available();
    // Tests pin the answer; an empty value asks the desktop again.
    static void SetAvailableForTesting(std::optional<bool> available);

    // Same as a double click on the icon.
    void DblClick() { emit doubleClicked(); }

signals:
    void doubleClicked();

private:
    QIcon FIcon;
    QPointer<QMenu> FMenu;
    std::unique_ptr<QSystemTrayIcon> FTray;
};
