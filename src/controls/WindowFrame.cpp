#include "controls/WindowFrame.h"

#include <QEvent>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace horavine {

namespace {

// Waits on the window's events for the frame: the window manager moves the inside when it frames
// a window, and Qt has the frame's extents by the time that move is delivered.
class PendingPlacement : public QObject
{
public:
    PendingPlacement(QWidget* window, std::function<void()> place)
        : QObject(window)
        , m_place(std::move(place))
    {
        setObjectName(QStringLiteral("horavinePendingPlacement"));
        window->installEventFilter(this);
    }

    void replace(std::function<void()> place) { m_place = std::move(place); }

    // Off the window at once; gone at the next turn of the event loop.
    void cancel()
    {
        parent()->removeEventFilter(this);
        setObjectName(QString());
        m_place = {};
        deleteLater();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        if (!m_place || !FrameKnown(static_cast<QWidget*>(watched)))
            return false;
        const std::function<void()> place = std::move(m_place);
        cancel();
        place();
        return false;
    }

private:
    std::function<void()> m_place;
};

} // namespace

QRect OuterGeometry(const QWidget* window)
{
    // The widget keeps the frame it saw at its last move or resize. A window shown again may be
    // framed anew right where it was, with no move at all, while the widget still holds the frame
    // it read before the window manager had framed it; the window system's handle follows.
    // While it is being shown, the handle may not have the widget's geometry yet.
    if (const QWindow* handle = window->windowHandle();
        handle && window->isVisible() && handle->geometry() == window->geometry())
        return handle->frameGeometry();
    return window->frameGeometry();
}

bool FrameKnown(const QWidget* window)
{
    return OuterGeometry(window) != window->geometry();
}

void PlaceByFrame(QWidget* window, std::function<void()> place)
{
    place();
    auto* pending
        = window->findChild<PendingPlacement*>(QStringLiteral("horavinePendingPlacement"), Qt::FindDirectChildrenOnly);
    if (FrameKnown(window)) {
        if (pending)
            pending->cancel();
        return;
    }
    if (pending)
        pending->replace(std::move(place));
    else
        new PendingPlacement(window, std::move(place));
}

} // namespace horavine
