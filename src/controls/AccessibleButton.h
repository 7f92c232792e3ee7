#pragma once

// What screen readers and desktop automation see of a button. Qt gives a checkable button only a
// "Toggle" action, which flips its state without emitting clicked(); the windows act on clicked(),
// so there the button would show down while nothing happened. Here every action of a button is a
// click. A button without an accessible name is named after its caption, else its hint.

#include <QAccessibleWidget>

class QAbstractButton;

namespace horavine {

class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(QAbstractButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    QAbstractButton* button() const;
};

// Makes every button built afterwards speak through AccessibleButton; buttons with a menu keep Qt's
// own, which opens the menu. Needs the application object, since that installs Qt's own
// interfaces, which ours must come after; calling it again does nothing.
void InstallAccessibleButtons();

} // namespace horavine
