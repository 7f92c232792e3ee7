#include "app/ClockWindowAccessible.h"

#include "app/TfrmZavIro.h"
#include "controls/ReadOnlyAccessibleText.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace horavine {

namespace {

class AccessibleClockWindow : public QAccessibleWidget, public ReadOnlyAccessibleText
{
public:
    explicit AccessibleClockWindow(TfrmZavIro* window)
        : QAccessibleWidget(window)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shownText() : QAccessibleWidget::text(t);
    }

    // The read-out's text is kept up to date by every tick, also while the skin hides the read-out.
    QString shownText() const override { return clock()->face().surface().srsDigit().Label; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

private:
    TfrmZavIro* clock() const { return static_cast<TfrmZavIro*>(widget()); }
};

QAccessibleInterface* ClockWindowFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(TfrmZavIro::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleClockWindow(static_cast<TfrmZavIro*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleClockWindow()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(ClockWindowFactory);
}

} // namespace horavine
