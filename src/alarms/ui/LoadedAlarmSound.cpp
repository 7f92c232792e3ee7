#include "alarms/ui/LoadedAlarmSound.h"

#include "sound/SoundPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace horavine {

LoadedAlarmSound::LoadedAlarmSound(QStringList folders)
    : m_folders(folders.isEmpty() ? defaultFolders() : std::move(folders))
{
}

LoadedAlarmSound::~LoadedAlarmSound()
{
    // The player's code lives in the library: it goes first. The library stays mapped (Qt
    // unloads on unload() only), since the media framework's threads may outlive the player.
    m_player.reset();
}

QStringList LoadedAlarmSound::defaultFolders()
{
    const QDir exe(QCoreApplication::applicationDirPath());
    return {exe.path(), QDir::cleanPath(exe.filePath(QLatin1String(kInstalledPluginFolder)))};
}

AlarmSound* LoadedAlarmSound::player() const
{
    if (m_loadTried)
        return m_player.get();
    m_loadTried = true;
    QStringList reasons;
    for (const QString& folder : m_folders) {
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath(QLatin1String(kSoundPluginName)));
        if (!library->load()) {
            reasons << library->errorString();
            continue;
        }
        const auto create = reinterpret_cast<SoundFactory>(library->resolve(kSoundFactorySymbol));
        if (!create) {
            reasons << library->errorString();
            continue;
        }
        m_player.reset(create());
        m_library = std::move(library);
        auto* self = const_cast<LoadedAlarmSound*>(this);
        m_player->onEnded = [self] {
            if (self->onEnded)
                self->onEnded();
        };
        m_player->onError = [self](const QString& message) {
            if (self->onError)
                self->onError(message);
        };
        return m_player.get();
    }
    m_loadError = reasons.join(QStringLiteral("; "));
    return nullptr;
}

bool LoadedAlarmSound::outputAvailable() const
{
    // Without the plugin nobody can tell; the play then says why the alarm is silent.
    const AlarmSound* sound = player();
    return !sound || sound->outputAvailable();
}

void LoadedAlarmSound::play(const QString& path)
{
    if (AlarmSound* sound = player()) {
        sound->play(path);
    } else if (onError) {
        //: %1 is the sound file, %2 why the player could not be loaded.
        onError(QCoreApplication::translate("AlarmSound",
                                            "Cannot play the sound file %1: the sound player cannot be loaded (%2)")
                    .arg(path, m_loadError));
    }
}

void LoadedAlarmSound::replay()
{
    if (AlarmSound* sound = player())
        sound->replay();
}

void LoadedAlarmSound::stop()
{
    if (m_player)
        m_player->stop();
}

} // namespace horavine
