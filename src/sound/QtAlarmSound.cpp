#include "sound/QtAlarmSound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QUrl>

namespace horavine {

QtAlarmSound::QtAlarmSound() = default;

QtAlarmSound::~QtAlarmSound()
{
    // The player holds a pointer to the output: it goes first.
    m_player.reset();
}

bool QtAlarmSound::outputAvailable() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtAlarmSound::play(const QString& path)
{
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        QObject::connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, m_player.get(),
                         [this](QMediaPlayer::MediaStatus status) { statusChanged(status); });
        QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                         [this](QMediaPlayer::Error, const QString& text) { fail(text); });
    }
    // The default output may have changed since the last alarm (a headset plugged in).
    m_output->setDevice(QMediaDevices::defaultAudioOutput());
    m_path = path;
    m_failed = false;
    // Always a fresh source: a player stopped just before the end of a sound went on silently for
    // every later play of the same file (the next alarm, a snoozed one), though it reported them.
    m_player->setSource(QUrl());
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtAlarmSound::replay()
{
    if (!m_player || m_failed)
        return;
    m_player->setPosition(0);
    m_player->play();
}

void QtAlarmSound::stop()
{
    if (m_player)
        m_player->stop();
}

void QtAlarmSound::statusChanged(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::EndOfMedia && !m_failed) {
        if (onEnded)
            onEnded();
    } else if (status == QMediaPlayer::InvalidMedia) {
        fail(m_player->errorString());
    }
}

void QtAlarmSound::fail(const QString& reason)
{
    if (m_failed)
        return;
    m_failed = true;
    const QString why
        = reason.isEmpty() ? QCoreApplication::translate("AlarmSound", "the sound's format is not understood") : reason;
    if (onError)
        onError(QCoreApplication::translate("AlarmSound", "Cannot play the sound file %1: %2").arg(m_path, why));
}

} // namespace horavine
