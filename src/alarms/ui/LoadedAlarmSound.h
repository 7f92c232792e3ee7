#pragma once

#include "alarms/AlarmSound.h"

#include <QString>
#include <QStringList>
#include <memory>

class QLibrary;

namespace horavine {

// The alarm sound of the running clock: the real player lives in a plugin beside the executable
// (or in ../lib/horavine for an installed clock), loaded at the first alarm. When it cannot be
// loaded, the alarm still shows and the play reports why it is silent.
class LoadedAlarmSound : public AlarmSound
{
public:
    // The folders searched in order; by default the executable's folder and the installed place.
    explicit LoadedAlarmSound(QStringList folders = {});
    ~LoadedAlarmSound() override;

    bool outputAvailable() const override;
    void play(const QString& path) override;
    void replay() override;
    void stop() override;

    static QStringList defaultFolders();

private:
    AlarmSound* player() const;

    QStringList m_folders;
    mutable std::unique_ptr<QLibrary> m_library;
    mutable std::unique_ptr<AlarmSound> m_player;
    mutable QString m_loadError;
    mutable bool m_loadTried = false;
};

} // namespace horavine
