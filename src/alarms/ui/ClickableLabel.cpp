#include "alarms/ui/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace horavine {

namespace {

class AccessibleClickableLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Q_EMIT label()->clicked();
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    // Taking the press makes the release come here too.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace horavine
