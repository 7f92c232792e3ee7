#include "controls/Monitors.h"

#include "controls/WindowFrame.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace horavine {

namespace {

std::function<ScreenLayout()>& Provider()
{
    static std::function<ScreenLayout()> provider;
    return provider;
}

} // namespace

ScreenLayout CurrentScreenLayout()
{
    if (Provider())
        return Provider()();
    std::vector<Monitor> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        monitors.push_back({primary->geometry(), primary->availableGeometry()});
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            monitors.push_back({screen->geometry(), screen->availableGeometry()});
    }
    return ScreenLayout(std::move(monitors));
}

void SetScreenLayoutProvider(std::function<ScreenLayout()> provider)
{
    Provider() = std::move(provider);
}

Monitor MonitorOf(const QWidget* window)
{
    const ScreenLayout layout = CurrentScreenLayout();
    return window ? layout.monitorOf(OuterGeometry(window)) : layout.primary();
}

void CentreOnMonitorOf(QWidget* window, const QWidget* anchor, MonitorPart part)
{
    CentreOn(window, [anchor = QPointer<const QWidget>(anchor), part] {
        const Monitor monitor = MonitorOf(anchor.data());
        return part == MonitorPart::WorkArea ? monitor.workArea : monitor.geometry;
    });
}

void CentreOn(QWidget* window, std::function<QRect()> area)
{
    PlaceByFrame(window, [window, area = std::move(area)] {
        window->move(CentredPosition(area(), OuterGeometry(window).size()));
    });
}

} // namespace horavine
