#include "app/TTrayNotifyIcon.h"

#include "app/Platform.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>

namespace horavine {

namespace {
constexpr int kMaxTipLength = 63;
}

TTrayNotifyIcon::TTrayNotifyIcon(QObject* owner)
    : QObject(owner)
{
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, &TTrayNotifyIcon::clickTimerElapsed);
    connect(&m_tray, &QSystemTrayIcon::activated, this, &TTrayNotifyIcon::iconActivated);
}

namespace {

// Without an icon of its own the tray shows a stock one, never an empty square. Fetched only
// then: the style reads its stock pictures through every image plugin there is.
QIcon ShownIcon(const QIcon& icon)
{
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon;
}

} // namespace

TTrayNotifyIcon::~TTrayNotifyIcon()
{
    m_tray.hide();
}

void TTrayNotifyIcon::setIcon(const QIcon& icon)
{
    m_icon = icon;
    if (m_iconVisible)
        m_tray.setIcon(ShownIcon(icon));
}

void TTrayNotifyIcon::setHideTask(bool hide)
{
    if (hide == m_hideTask)
        return;
    m_hideTask = hide;
    if (OnHideTaskChanged)
        OnHideTaskChanged(hide);
}

void TTrayNotifyIcon::setHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    if (m_iconVisible)
        m_tray.setToolTip(hint.left(kMaxTipLength));
}

void TTrayNotifyIcon::setIconVisible(bool visible)
{
    if (visible == m_iconVisible)
        return;
    m_iconVisible = visible;
    if (visible) {
        m_tray.setIcon(ShownIcon(m_icon));
        m_tray.setToolTip(m_hint.left(kMaxTipLength));
        if (platform::TrayIconCanShow())
            m_tray.show();
    } else {
        m_tray.hide();
    }
}

void TTrayNotifyIcon::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    m_tray.setContextMenu(menu);
}

void TTrayNotifyIcon::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // The second press of a double click does not restart the wait.
        if (!m_clickTimer.isActive())
            m_clickTimer.start();
        break;
    case QSystemTrayIcon::DoubleClick:
        // Only a pending single click is dropped; a double click that came without its first
        // press must not swallow the next real single click.
        m_doubleClickSeen = m_clickTimer.isActive();
        if (OnDblClick)
            OnDblClick();
        break;
    default:
        break;
    }
}

void TTrayNotifyIcon::clickTimerElapsed()
{
    if (!m_doubleClickSeen && OnClick)
        OnClick();
    m_doubleClickSeen = false;
}

} // namespace horavine
