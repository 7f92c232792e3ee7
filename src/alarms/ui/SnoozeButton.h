#pragma once

#include <QToolButton>

class QActionGroup;

namespace horavine {

// Snooze on the alarm window: a press puts the alarm off for the current length; its menu puts it
// off for one of the other lengths. It never takes the keyboard focus, so Space and Enter stay
// the window's (they close it) and S snoozes.
class SnoozeButton : public QToolButton
{
    Q_OBJECT
public:
    explicit SnoozeButton(QWidget* parent = nullptr);

    int minutes() const { return m_minutes; }
    void setMinutes(int minutes); // one of the choices; any other value gives the default

Q_SIGNALS:
    void snoozed(int minutes);

private:
    QActionGroup* m_lengths = nullptr;
    int m_minutes = 0;
};

} // namespace horavine
