#include "face/FaceStyle.h"

#include "common/FilePaths.h"
#include "common/NumberText.h"
#include "common/Picture.h"
#include "face/FaceColors.h"
#include "face/FaceGeometry.h"
#include "face/TexturePatterns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace horavine {

namespace {

const int kNoOverlayPattern = bsClear; // pattern number 1, "None"

// Relative names are taken from the application folder: a clock started from the desktop has no
// meaningful current folder.
bool IsFileAt(const AppDir& appDir, const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(QDir::isRelativePath(path) ? appDir.file(path) : path).isFile();
}

QString Located(const AppDir& appDir, const QString& path)
{
    return QDir::isRelativePath(path) ? appDir.file(path) : path;
}

void ApplyPattern(int number, SkinState& state, FaceOverlay& overlay)
{
    // Only a damaged skin holds another number; it gets no overlay rather than a guess.
    if (number < 0 || number >= kPatternCount)
        number = kNoOverlayPattern;

    state.CurrentPattern = number;
    overlay.clearImage();
    if (number < kFirstPatternPicture)
        overlay.Brush.Style = number;
    else
        overlay.setPatternImage(LoadPattern(number - kFirstPatternPicture));
    // "None" keeps the colour it had, so choosing another pattern later shows that colour again.
    if (number != kNoOverlayPattern)
        overlay.Brush.Color = state.CurrentSkin.TextureColor;
}

void ApplyPicture(SkinState& state, const AppDir& appDir, FaceOverlay& overlay, FaceMessages* messages)
{
    TClockSkin& skin = state.CurrentSkin;
    const QString name = skin.TextureName.text();

    state.CurrentPattern = 0;
    QString path = name;
    if (!IsFileAt(appDir, path)) {
        path = appDir.texturesFolder() + ExtractFileName(name);
        if (!IsFileAt(appDir, path)) {
            if (messages)
                messages->textureNotFound(QCoreApplication::translate("FaceStyle", "Texture file not found."));
            path.clear();
        }
    }
    state.CurrentTexturePath = path.isEmpty() ? path : Located(appDir, path);

    if (!state.CurrentTexturePath.isEmpty()) {
        overlay.setPictureImage(LoadPicture(state.CurrentTexturePath));
        skin.TextureName.setText(state.CurrentTexturePath);
    }
    overlay.Brush.Color = skin.TextureColor;
}

} // namespace

void ApplyTexture(SkinState& state, const AppDir& appDir, FaceSurface& surface, FaceMessages* messages)
{
    FaceOverlay& overlay = surface.ColorBand();
    const TClockSkin& skin = state.CurrentSkin;
    if (const std::optional<int> number = ParseInteger(skin.TextureName.text()))
        ApplyPattern(*number, state, overlay);
    else
        ApplyPicture(state, appDir, overlay, messages);
    overlay.Transparency = std::clamp(int(skin.TextureTransparency), 0, 100);
}

void ApplyReadoutStyle(const TClockSkin& skin, FaceSurface& surface, int dpiY)
{
    DigitalReadout& readout = surface.srsDigit();
    const int position = skin.DigPosition;
    // Positions above "Bottom" come only from damaged skins; they turn the read-out off.
    readout.Active = position >= dpTop && position <= dpBottom;
    if (!readout.Active)
        return;

    const int box = NearestInt(double(surface.width()) * int(skin.DigSize) / 100.0);
    readout.FontSize = NearestInt(box / 11.0);
    const int h = CharacterHeight(readout.FontSize, dpiY);
    readout.ArrowLength = -NearestInt(h / 2.0);

    const double ring = (double(int(skin.OuterEdge)) + 100.0) / 2.0; // the middle of the minutes ring
    const double y = position == dpTop ? ring : position == dpBottom ? -ring : 0.0;
    readout.Y = y - 3.0;

    readout.FontColor = skin.DigColor;
    readout.FontName = skin.DigFont.text();

    const bool square = skin.NotCircular != 0 && skin.Rounded == 0;
    readout.ShapeStyle = square ? fosRectangle : fosRoundRectangle;

    // The box takes the colours of the band it stands in: the last colour for the frame, 30 percent
    // of the way from first to last for the fill.
    if (position == dpMiddle) {
        readout.FrameColor = skin.HourEndColor;
        readout.FillColor = BlendColor(skin.HourStartColor, skin.HourEndColor, 100, 30);
    } else {
        readout.FrameColor = skin.MinEndColor;
        readout.FillColor = BlendColor(skin.MinStartColor, skin.MinEndColor, 100, 30);
    }
}

} // namespace horavine
