#pragma once

// The clock's icon in the notification area: the way back to a hidden clock and the holder
// of the clock's menu. Also owns the switch that keeps the clock out of the taskbar.

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

class QMenu;

namespace horavine {

class TTrayNotifyIcon : public QObject
{
    Q_OBJECT
public:
    explicit TTrayNotifyIcon(QObject* owner = nullptr);
    ~TTrayNotifyIcon() override;

    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    bool HideTask() const { return m_hideTask; }
    void setHideTask(bool hide);
    QString Hint() const { return m_hint; }
    void setHint(const QString& hint); // the tip holds at most 63 characters
    bool IconVisible() const { return m_iconVisible; }
    void setIconVisible(bool visible);
    QMenu* PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // Shows (false) or hides (true) the taskbar entry of the application's window.
    std::function<void(bool)> OnHideTaskChanged;

    int clickDelay() const { return m_clickTimer.interval(); }
    const QSystemTrayIcon& trayIcon() const { return m_tray; }

public Q_SLOTS:
    // What the notification area reports: a press starts the wait for a second click, a double
    // click answers at once and drops the pending single click.
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

private:
    void clickTimerElapsed();

    QSystemTrayIcon m_tray;
    QTimer m_clickTimer;
    QIcon m_icon;
    QString m_hint;
    QPointer<QMenu> m_popupMenu;
    bool m_hideTask = false;
    bool m_iconVisible = false;
    bool m_doubleClickSeen = false;
};

} // namespace horavine
