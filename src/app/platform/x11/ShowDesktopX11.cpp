#include "app/Platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace horavine::platform {

// "Show desktop" (_NET_SHOWING_DESKTOP) hides every window but those of the desktop's own kinds.
// Under openbox and icewm a desktop, dock or splash window stays; only the splash window keeps
// the rest: it stacks among the ordinary windows (above them on request) and the window manager
// moves it. openbox holds a desktop window at the bottom and a dock on top and moves neither.
// Re-showing a utility window when the mode starts fails there too: openbox leaves it unmapped,
// and activating it ends the mode without bringing the other windows back.
// What the splash kind lacks is made up for here and in HideClockWindow: a click does not give
// it the focus (the keys would go elsewhere), and it is not iconified but withdrawn, after which
// the window manager has dropped its states and, mapping it again, keeps it inside the screen.

namespace {

class DesktopWindowFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress && !window->isActiveWindow())
            window->activateWindow();
        // Sent before the window is mapped: the requests follow the map request.
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, window, [window, shownAt = window->pos()] { AskAgain(window, shownAt); });
        return false;
    }

private:
    static void AskAgain(QWidget* window, QPoint shownAt)
    {
        if (!window->isVisible())
            return;
        // The clock may stand a pixel past the screen's edge (its outline leaves that pixel out),
        // where the window manager does not map a splash window but moves one on request. Qt
        // sends no request for the position it believes the window has: a pixel aside and back.
        const QScreen* screen = window->screen();
        if (screen && !screen->geometry().contains(QRect(shownAt, window->size()))) {
            window->move(shownAt + QPoint(1, 0));
            window->move(shownAt);
        }
        if (const QVariant onTop = window->property("horavineOnTop"); onTop.isValid())
            SetStayOnTop(window, onTop.toBool());
        if (const QVariant skip = window->property("horavineSkipTaskbar"); skip.isValid())
            SetSkipTaskbar(window, skip.toBool());
    }
};

} // namespace

void KeepOnDesktop(QWidget* window)
{
    // Elsewhere (a Wayland compositor) the desktop is the compositor's: the window stays as it is.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::SplashScreen);
    window->installEventFilter(new DesktopWindowFilter(window));
}

} // namespace horavine::platform
