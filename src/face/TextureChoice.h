#pragma once

// The texture editor's changes to the face overlay and to the texture state beside the skin, kept
// free of widgets. Every change lands on the overlay at once, so a repaint of the clock shows it.

#include "common/AppDir.h"
#include "face/FaceOverlay.h"
#include "face/SkinState.h"

#include <QString>
#include <optional>

namespace horavine {

class TextureChoice
{
public:
    TextureChoice(FaceOverlay& overlay, SkinState& state, AppDir appDir);

    const FaceOverlay& overlay() const { return m_overlay; }
    const SkinState& state() const { return m_state; }
    const AppDir& appDir() const { return m_appDir; }

    // Remembers the brush, CurrentPattern and CurrentTexturePath, for restoreBackup().
    void keepBackup();
    // The brush (style, colour, image) and the two texture values as keepBackup() found them; the
    // transparency as the skin holds it. Without a backup only the transparency is restored.
    void restoreBackup();

    // Pattern number 0..19: 0..7 set the style, 8..19 put a pattern picture on the brush. Either
    // way the brush's own image goes and CurrentTexturePath is emptied. Other numbers do nothing.
    void choosePattern(int number);
    // True when the overlay already shows that pattern and nothing else.
    bool showsPattern(int number) const;

    bool hasImage() const { return !m_overlay.Brush.Image.isNull(); }
    // The brush's hatch style as a list position 0..7 (an unknown style counts as "None").
    int brushStyle() const;
    // Takes the image off the brush; CurrentPattern becomes the brush's style, which is what the
    // overlay shows from now on.
    void removeImage();
    // Puts a picture file on the brush and makes it CurrentTexturePath. Throws PictureError (or
    // IoError) when it cannot be read; the brush and the texture state are then unchanged.
    void loadPicture(const QString& path);
    // Where CurrentTexturePath is found now: that path, else the file of that name in the
    // Textures folder, else an empty string. Relative paths are taken from the application folder.
    QString locateTexturePath() const;
    // A brush without an image names no texture file.
    void forgetPathWithoutImage();

    // The colour is of use unless the brush paints nothing: style "None" without an image. A
    // pattern picture chosen after "None" keeps that style yet shows the colour in its gaps.
    bool colorMatters() const;
    void setColor(TColor color) { m_overlay.Brush.Color = color; }
    void setTransparency(int percent);

private:
    struct Backup
    {
        FaceOverlay::OverlayBrush brush;
        int pattern = 0;
        QString texturePath;
    };

    FaceOverlay& m_overlay;
    SkinState& m_state;
    AppDir m_appDir;
    std::optional<Backup> m_backup;
};

// The designer's side of the " Texture" button after the editor closes: TextureTransparency from
// the overlay, TextureName from CurrentTexturePath or else the number of CurrentPattern.
void StoreTextureInSkin(SkinState& state, const FaceOverlay& overlay);

} // namespace horavine
