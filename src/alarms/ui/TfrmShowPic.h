#pragma once

// The alarm presentation window: the alarm's picture or message with its sound, or its document
// handed to the desktop. It exists from start-up, hidden, so the tick can hand it an alarm at any time.

#include "alarms/AlarmPresentation.h"
#include "alarms/AlarmPresenter.h"
#include "alarms/AlarmSound.h"
#include "alarms/DocumentOpener.h"
#include "alarms/ui/ClickableLabel.h"

#include <QDialog>
#include <QTimer>
#include <memory>
#include <optional>

namespace horavine {

class SnoozeButton;

class TfrmShowPic : public QDialog, public AlarmPresenter
{
    Q_OBJECT
public:
    // With the sound of Qt Multimedia on the default output and the desktop's document opener.
    explicit TfrmShowPic(QWidget* parent = nullptr);
    TfrmShowPic(std::unique_ptr<AlarmSound> sound, std::unique_ptr<DocumentOpener> opener, QWidget* parent = nullptr);
    ~TfrmShowPic() override;

    bool SoundPlaying() const override { return m_presentation.SoundPlaying(); }
    bool AlarmShowing() const override { return m_presentation.AlarmShowing(); }
    // Modal: returns when the window has closed, at once for a document. A picture that cannot be
    // loaded throws PictureError with nothing playing and both guards clear.
    void ShowAlarm(const TAlarmRecord& alarm) override;
    // With btnSnooze under a picture or text; Escape, Enter and Space close, S snoozes.
    std::optional<int> ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes) override;

    ClickableLabel* Image1 = nullptr; // the picture at its own size; a click closes
    ClickableLabel* StaticText1 = nullptr; // the message; a click closes
    QTimer Timer1; // one tick a second while a sound keeps the window up
    SnoozeButton* btnSnooze = nullptr; // shown when the alarm may be snoozed

public Q_SLOTS:
    void Image1Click();
    void Timer1Timer();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Fills the window for a picture or text; false when there is nothing to show (a document opened).
    bool prepare(const TAlarmRecord& alarm);
    void showPicture(const QImage& picture, const QString& path);
    void showText(const QString& text);
    void centreOnScreen();
    void soundEnded();
    void soundFailed(const QString& message);
    void FormClose();
    std::optional<int> present(const TAlarmRecord& alarm, int snoozeMinutes);
    void snooze(int minutes);

    std::unique_ptr<AlarmSound> m_sound;
    std::unique_ptr<DocumentOpener> m_opener;
    AlarmPresentation m_presentation;
    std::optional<int> m_snoozedFor;
};

} // namespace horavine
