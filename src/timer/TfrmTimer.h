#pragma once

// The timer toolbar: while it is up the face shows the elapsed time instead of the time of day.

#include "timer/TimerState.h"

#include <QDialog>
#include <QTimer>

class QToolBar;
class QToolButton;

namespace horavine {

class TfrmTimer : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmTimer(QWidget* parent = nullptr);

    const TimerState& state() const { return m_state; }
    TDateTime Elapsed() const;
    bool timerRunning() const { return Timer1.isActive(); }

    QToolBar* ToolBar1 = nullptr;
    QToolButton* tbRun = nullptr;
    QToolButton* tbPause = nullptr;
    QToolButton* tbStop = nullptr;
    QTimer Timer1;

public Q_SLOTS:
    void tbRunClick();
    void tbStopClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void syncTimer();

    TimerState m_state;
};

} // namespace horavine
