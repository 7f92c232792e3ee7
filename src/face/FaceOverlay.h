#pragma once

// The texture overlay `ColorBand`: a brush laid over the whole face and mixed with it.

#include "face/ClockSkin.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace horavine {

// Brush styles by number; pattern numbers 0..7 are these.
enum TBrushStyle : int {
    bsSolid = 0,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};

struct FaceOverlay
{
    // Hatch lines, solid fill and the ink of pattern pictures; it never changes.
    static constexpr TColor Color = 0x00C0C0C0;

    struct OverlayBrush
    {
        int Style = bsCross; // a TBrushStyle; any other number paints nothing
        TColor Color = 0x00FFFFFF; // between hatch lines and under the white of pattern pictures
        QImage Image; // when present it replaces the style
        bool ImageIsPattern = false; // a two-colour pattern picture: black in Color, white in Brush.Color
    };

    OverlayBrush Brush;
    int Transparency = 80; // percent: 0 opaque, 100 invisible; held within 0..100 when mixing

    void setPatternImage(const QImage& pattern)
    {
        Brush.Image = pattern;
        Brush.ImageIsPattern = true;
    }
    void setPictureImage(const QImage& picture)
    {
        Brush.Image = picture;
        Brush.ImageIsPattern = false;
    }
    void clearImage()
    {
        Brush.Image = QImage();
        Brush.ImageIsPattern = false;
    }
};

// What the brush alone paints over a surface is a tile repeated from the top-left corner: this is
// that tile (RGB32: 1 x 1 for the solid brush, the 8 x 8 cell of a hatch, the picture), or a null
// image when the brush paints nothing (bsClear, or an unknown style, without image). Only the tile
// is kept: a layer the size of the face would take as much memory as the face.
QImage PaintOverlayTile(const FaceOverlay& overlay);

// Mixes the tile, repeated from the surface's top-left corner, into an RGB32 picture whose own
// top-left corner lies at origin on the surface, every channel
// layer * (100 - T) / 100 + picture * T / 100 rounded to nearest; T is held within 0..100.
void MixOverlayTile(QImage& picture, const QImage& tile, int transparency, QPoint origin = QPoint(0, 0));

} // namespace horavine
