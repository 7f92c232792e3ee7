#pragma once

#include "alarms/AlarmSound.h"

#include <QMediaPlayer>
#include <memory>

class QAudioOutput;

namespace horavine {

// Alarm sounds through Qt Multimedia on the default output: WAV, and whatever the platform's media
// framework decodes (OGG, MP3, ...). The player is made at the first play, so a clock that never
// rings never starts the media framework.
class QtAlarmSound : public AlarmSound
{
public:
    QtAlarmSound();
    ~QtAlarmSound() override;

    bool outputAvailable() const override;
    void play(const QString& path) override;
    void replay() override;
    void stop() override;

private:
    void statusChanged(QMediaPlayer::MediaStatus status);
    void fail(const QString& reason);

    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    QString m_path;
    bool m_failed = false; // one report per file, though the player may say it twice
};

} // namespace horavine
