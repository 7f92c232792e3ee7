#include "face/TextureChoice.h"

#include "common/FilePaths.h"
#include "common/Picture.h"
#include "face/TexturePatterns.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace horavine {

TextureChoice::TextureChoice(FaceOverlay& overlay, SkinState& state, AppDir appDir)
    : m_overlay(overlay)
    , m_state(state)
    , m_appDir(std::move(appDir))
{
}

void TextureChoice::keepBackup()
{
    m_backup = Backup{m_overlay.Brush, m_state.CurrentPattern, m_state.CurrentTexturePath};
}

void TextureChoice::restoreBackup()
{
    if (m_backup) {
        m_overlay.Brush = m_backup->brush;
        m_state.CurrentPattern = m_backup->pattern;
        m_state.CurrentTexturePath = m_backup->texturePath;
    }
    setTransparency(m_state.CurrentSkin.TextureTransparency);
}

void TextureChoice::choosePattern(int number)
{
    if (number < 0 || number >= kPatternCount)
        return;
    m_overlay.clearImage();
    m_state.CurrentPattern = number;
    if (number < kFirstPatternPicture)
        m_overlay.Brush.Style = number;
    else
        m_overlay.setPatternImage(LoadPattern(number - kFirstPatternPicture));
    m_state.CurrentTexturePath.clear();
}

bool TextureChoice::showsPattern(int number) const
{
    if (m_state.CurrentPattern != number || !m_state.CurrentTexturePath.isEmpty())
        return false;
    if (number < kFirstPatternPicture)
        return !hasImage() && m_overlay.Brush.Style == number;
    return hasImage() && m_overlay.Brush.ImageIsPattern;
}

int TextureChoice::brushStyle() const
{
    const int style = m_overlay.Brush.Style;
    return style >= bsSolid && style <= bsDiagCross ? style : int(bsClear);
}

void TextureChoice::removeImage()
{
    m_overlay.clearImage();
    // The list follows the style that now shows, so what the designer stores is what the face shows.
    m_overlay.Brush.Style = brushStyle();
    m_state.CurrentPattern = brushStyle();
}

void TextureChoice::loadPicture(const QString& path)
{
    const QImage picture = LoadPicture(path); // throws before anything changes
    m_overlay.setPictureImage(picture);
    m_state.CurrentTexturePath = path;
}

QString TextureChoice::locateTexturePath() const
{
    const QString stored = m_state.CurrentTexturePath;
    if (stored.isEmpty())
        return QString();
    const QString located = QDir::isRelativePath(stored) ? m_appDir.file(stored) : stored;
    if (QFileInfo(located).isFile())
        return located;
    const QString inTextures = m_appDir.texturesFolder() + ExtractFileName(stored);
    if (!ExtractFileName(stored).isEmpty() && QFileInfo(inTextures).isFile())
        return inTextures;
    return QString();
}

void TextureChoice::forgetPathWithoutImage()
{
    if (!hasImage())
        m_state.CurrentTexturePath.clear();
}

bool TextureChoice::colorMatters() const
{
    return m_overlay.Brush.Style != bsClear || hasImage();
}

void TextureChoice::setTransparency(int percent)
{
    m_overlay.Transparency = std::clamp(percent, 0, 100);
}

void StoreTextureInSkin(SkinState& state, const FaceOverlay& overlay)
{
    TClockSkin& skin = state.CurrentSkin;
    skin.TextureTransparency = overlay.Transparency;
    skin.TextureName.setText(state.CurrentTexturePath.isEmpty() ? QString::number(state.CurrentPattern)
                                                                : state.CurrentTexturePath);
}

} // namespace horavine
