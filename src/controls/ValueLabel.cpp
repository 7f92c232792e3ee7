#include "controls/ValueLabel.h"

#include "controls/ReadOnlyAccessibleText.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace horavine {

namespace {

class AccessibleValueLabel : public QAccessibleWidget, public ReadOnlyAccessibleText
{
public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && label()->accessibleName().isEmpty()))
            return shownText();
        return QAccessibleWidget::text(t);
    }

    QString shownText() const override { return label()->text(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using ReadOnlyAccessibleText::text;

private:
    ValueLabel* label() const { return static_cast<ValueLabel*>(widget()); }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleValueLabel(static_cast<ValueLabel*>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace horavine
