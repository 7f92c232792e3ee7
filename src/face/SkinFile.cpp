#include "face/SkinFile.h"

#include "common/FilePaths.h"
#include "common/IoError.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace horavine {

namespace {

bool isRegularFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

bool ReadsAsPatternNumber(const QString& textureName)
{
    return ParseInteger(textureName).has_value();
}

TClockSkin ReadSkinRecord(const QString& file)
{
    const QByteArray bytes = ReadFileBytes(file, TClockSkin::kSize);
    if (bytes.size() < TClockSkin::kSize) {
        throw IoError(
            QCoreApplication::translate("SkinFile", "Cannot read \"%1\": a skin file holds %2 bytes, this one only %3")
                .arg(file)
                .arg(TClockSkin::kSize)
                .arg(bytes.size()));
    }
    return TClockSkin::fromBytes(bytes);
}

void WriteSkinRecord(const QString& file, const TClockSkin& skin)
{
    WriteFileAtomically(file, skin.toBytes());
}

SkinFile::SkinFile(SkinState& state, const AppDir& appDir, const FontCatalog& fonts, SkinHooks* hooks)
    : m_state(state)
    , m_appDir(appDir)
    , m_fonts(fonts)
    , m_hooks(hooks)
{
}

QString SkinFile::resolve(const QString& path) const
{
    // The settings keep a bare name for skins lying beside the executable, and a clock started
    // from the desktop has no meaningful current folder.
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    return m_appDir.file(path);
}

void SkinFile::LoadSkin(const QString& path, bool keepSize)
{
    if (m_hooks && m_hooks->isFillingControls())
        return;

    const QString given = resolve(path);
    const QString file = isRegularFile(given) ? given : m_appDir.file(QStringLiteral("default.clk"));

    TClockSkin scratch = TClockSkin::zeroed();
    if (ReadSkinFile(file, scratch, keepSize))
        m_state.CurrentSkin = scratch;

    // Kept as given even after a fallback: it is what the settings write back.
    m_state.CurrentSkinPath = path;

    if (m_hooks) {
        m_hooks->refillSkinControls();
        m_hooks->rebuildFace();
        m_hooks->showActiveSkin(FileNameWithoutExt(path));
    }
}

bool SkinFile::ReadSkinFile(const QString& file, TClockSkin& scratch, bool keepSize)
{
    QString source = file;
    if (!isRegularFile(source)) {
        source = m_appDir.skinsFolder() + QStringLiteral("default.clk");
        if (!isRegularFile(source))
            return false;
    }

    TClockSkin skin = ReadSkinRecord(source);

    if (skin.HourMidPos == 0)
        skin.HourMidPos = 50;
    if (skin.MinMidPos == 0)
        skin.MinMidPos = 50;

    if (keepSize && m_state.CurrentSkin.ClockSize > 0)
        skin.ClockSize = m_state.CurrentSkin.ClockSize;

    checkFont(skin);
    placeTexture(skin);

    scratch = skin;
    return true;
}

void SkinFile::checkFont(TClockSkin& skin) const
{
    const QString font = skin.DigFont.text();
    if (m_fonts.hasFamily(font) || font.compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
        return;
    if (m_hooks)
        m_hooks->reportMissingFont(QCoreApplication::translate("SkinFile", "Missing font ->%1").arg(font));
    skin.DigFont.setText(QStringLiteral("Arial"));
}

void SkinFile::placeTexture(TClockSkin& skin) const
{
    const QString name = skin.TextureName.text();
    if (HasFolderPart(name) || ReadsAsPatternNumber(name))
        return;
    // A bare name means a bitmap in our own Textures folder, wherever the clock is installed.
    skin.TextureName.setText(m_appDir.texturesFolder() + name);
}

void SkinFile::WriteSkinFile(const QString& path)
{
    TClockSkin& skin = m_state.CurrentSkin;
    const QString texture = skin.TextureName.text();
    // Stored by bare name so the skin finds its texture again in any installation.
    if (ExtractFilePath(texture) == m_appDir.texturesFolder())
        skin.TextureName.setText(ExtractFileName(texture));
    WriteSkinRecord(path, skin);
}

QString SkinFile::CurrentSkinFile() const
{
    if (m_state.CurrentSkinPath.isEmpty())
        return m_appDir.file(QStringLiteral("default.clk"));
    return m_state.CurrentSkinPath;
}

} // namespace horavine
