#include "app/ClockSettings.h"

#include "common/FileList.h"
#include "common/FilePaths.h"

#include <QFileInfo>
#include <QStringList>

namespace horavine {

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kPosition = QStringLiteral("Position");
const QString kSize = QStringLiteral("Size");

} // namespace

StartupSettings ReadStartupSettings(const IniFile& settings)
{
    const StartupSettings defaults;
    StartupSettings read;
    read.randomSkin = settings.ReadBool(kDefault, QStringLiteral("RandomSkin"), defaults.randomSkin);
    read.randomSkinGallery = settings.ReadString(kDefault, QStringLiteral("RandomSkinGallery"), QString());
    read.skin = settings.ReadString(kDefault, QStringLiteral("Skin"), QString());
    read.keepPos = settings.ReadBool(kPosition, QStringLiteral("KeepIt"), defaults.keepPos);
    read.left = settings.ReadInteger(kPosition, QStringLiteral("Left"), defaults.left);
    read.top = settings.ReadInteger(kPosition, QStringLiteral("Top"), defaults.top);
    read.digFrm = ClampDigFormat(settings.ReadInteger(kDefault, QStringLiteral("DigFrm"), defaults.digFrm));
    read.digFrmAMPM = settings.ReadString(kDefault, QStringLiteral("DigFrmAMPM"), defaults.digFrmAMPM);
    read.digFrm24 = settings.ReadString(kDefault, QStringLiteral("DigFrm24"), defaults.digFrm24);
    read.keepSize = settings.ReadBool(kSize, QStringLiteral("KeepIt"), defaults.keepSize);
    read.lastOne = settings.ReadInteger(kSize, QStringLiteral("LastOne"), defaults.lastOne);
    read.onTop = settings.ReadBool(kDefault, QStringLiteral("OnTop"), defaults.onTop);
    return read;
}

int ClampDigFormat(int stored)
{
    return stored < -1 ? -1 : (stored > 1 ? 1 : stored);
}

QString ChooseStartupSkin(const AppDir& appDir, bool randomSkin, const QString& gallery, bool galleryListed,
                          const QString& storedSkin, QRandomGenerator& random)
{
    const QString folder = appDir.skinsFolder() + gallery + AppDir::separator();
    if (!randomSkin || !galleryListed || !QFileInfo(folder).isDir())
        return storedSkin;
    QStringList skins;
    ListFiles(folder, QStringLiteral("*.clk"), skins);
    if (skins.isEmpty())
        return storedSkin;
    return folder + skins[int(random.bounded(quint32(skins.size())))];
}

QString SkinSettingValue(const QString& currentSkinFile, const AppDir& appDir)
{
    const QString file = currentSkinFile.isEmpty() ? appDir.file(QStringLiteral("default.clk")) : currentSkinFile;
    if (ExtractFilePath(file) == appDir.path())
        return ExtractFileName(file);
    return file;
}

void WriteSettings(IniFile& settings, const PermanentOptions& options, QPoint windowPos, int clockSize,
                   const QString& skinValue, const std::function<void()>& saveAlarms)
{
    if (saveAlarms)
        saveAlarms();

    settings.WriteString(kDefault, QStringLiteral("Skin"), skinValue);
    settings.WriteBool(kDefault, QStringLiteral("OnTop"), options.stayOnTop);
    settings.WriteInteger(kDefault, QStringLiteral("DigFrm"), options.digFormat);
    settings.WriteBool(kPosition, QStringLiteral("KeepIt"), options.lastPos);
    if (options.lastPos) {
        settings.WriteInteger(kPosition, QStringLiteral("Left"), windowPos.x());
        settings.WriteInteger(kPosition, QStringLiteral("Top"), windowPos.y());
    }
    settings.WriteBool(kSize, QStringLiteral("KeepIt"), options.keepSize);
    settings.WriteInteger(kSize, QStringLiteral("LastOne"), options.keepSize ? clockSize : 0);
    settings.WriteBool(kDefault, QStringLiteral("RandomSkin"), options.randomSkin);
    settings.WriteString(kDefault, QStringLiteral("RandomSkinGallery"), options.randomSkinGallery);
}

} // namespace horavine
