#include "controls/AccessibleButton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QKeySequence>
#include <QPushButton>
#include <QToolButton>

namespace horavine {

namespace {

// "&Done" reads "Done", "R&&D" reads "R&D".
QString WithoutMnemonic(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (++i == caption.size())
                break;
        }
        plain.append(caption[i]);
    }
    return plain.trimmed();
}

bool HasMenu(const QAbstractButton* button)
{
    if (const auto* push = qobject_cast<const QPushButton*>(button))
        return push->menu() != nullptr;
    if (const auto* tool = qobject_cast<const QToolButton*>(button))
        return tool->menu() != nullptr || tool->popupMode() == QToolButton::InstantPopup;
    return false;
}

QAccessibleInterface* ButtonFactory(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button == nullptr || HasMenu(button))
        return nullptr;
    return new AccessibleButton(button);
}

} // namespace

AccessibleButton::AccessibleButton(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QAbstractButton* AccessibleButton::button() const
{
    return static_cast<QAbstractButton*>(widget());
}

QAccessible::Role AccessibleButton::role() const
{
    // As Qt's own: a checkable button is a check box, or a radio button in an exclusive set.
    if (button()->isCheckable())
        return button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    return QAccessible::Button;
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const QAbstractButton* b = button();
    state.checkable = b->isCheckable();
    state.checked = b->isChecked();
    if (const auto* box = qobject_cast<const QCheckBox*>(b))
        state.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
    state.pressed = b->isDown();
    if (const auto* push = qobject_cast<const QPushButton*>(b))
        state.defaultButton = push->isDefault();
    return state;
}

QString AccessibleButton::text(QAccessible::Text t) const
{
    const QAbstractButton* b = button();
    switch (t) {
    case QAccessible::Name:
        if (!b->accessibleName().isEmpty())
            return b->accessibleName();
        if (const QString caption = WithoutMnemonic(b->text()); !caption.isEmpty())
            return caption;
        // A picture-only button: its hint says what it does.
        return b->toolTip();
    case QAccessible::Accelerator: {
        const auto* push = qobject_cast<const QPushButton*>(b);
        if (push != nullptr && push->isDefault())
            return QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText);
        return QKeySequence::mnemonic(b->text()).toString(QKeySequence::NativeText);
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names;
    if (button()->isEnabled()) {
        if (button()->isCheckable())
            names << toggleAction();
        names << pressAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& action)
{
    QAbstractButton* b = button();
    if (action != toggleAction() && action != pressAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (!b->isEnabled() || (action == toggleAction() && !b->isCheckable()))
        return;
    // A real click, which toggles and emits clicked(): the handlers of a click run once. A state
    // changes at once, so that the reader can tell the new one; a plain button is pressed the way
    // Qt presses it, later, so that a window its click opens does not hold up the caller.
    if (b->isCheckable())
        b->click();
    else
        b->animateClick();
}

QStringList AccessibleButton::keyBindingsForAction(const QString& action) const
{
    if (action != pressAction() && action != toggleAction())
        return QAccessibleWidget::keyBindingsForAction(action);
    const QKeySequence shortcut = button()->shortcut();
    return shortcut.isEmpty() ? QStringList() : QStringList{shortcut.toString(QKeySequence::NativeText)};
}

void InstallAccessibleButtons()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(ButtonFactory);
}

} // namespace horavine
