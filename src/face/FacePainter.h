#pragma once

#include "face/ClockSkin.h"
#include "face/FaceGeometry.h"

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <vector>

namespace horavine {

// Draws face pictures (see DrawFacePicture) pixel for pixel the same as the plain rule, but
// keeps between calls what does not change from one minute to the next: the angle of every
// pixel (per picture size), which band every pixel belongs to and the tics layer (per size
// and skin), and the two band colour tables (per skin). The tick owns one and draws a picture
// a minute with it; only the two band lookups and the hands are redone each time.
class FacePainter
{
public:
    void draw(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle);

private:
    enum class Paint : std::uint8_t { Keep, Hours, Minutes };

    struct Run
    {
        int begin;
        int end;
        Paint paint;
    };

    struct LayoutKey
    {
        int width;
        int height;
        int outerEdge;
        int innerEdge;
        bool square;
        bool operator==(const LayoutKey&) const = default;
    };

    struct LayerKey
    {
        int width;
        int height;
        int outerEdge;
        bool square;
        TColor bandColor;
        TColor ticsColor;
        int ticsWidth;
        bool operator==(const LayerKey&) const = default;
    };

    struct BandKey
    {
        TColor first;
        TColor last;
        int midPos;
        bool operator==(const BandKey&) const = default;
    };

    struct BandTable
    {
        std::optional<BandKey> key;
        std::vector<QRgb> colors;
        void prepare(const BandKey& wanted);
    };

    void prepareAngles(int width, int height, const FaceGeometry& geometry);
    // The angles of row y's pixels begin..end-1, written to out[begin..end-1].
    void rowAngles(int y, int begin, int end, float* out) const;
    void prepareLayout(const LayoutKey& key, const FaceGeometry& geometry);
    void prepareLayer(const LayerKey& key, const FaceGeometry& geometry);
    void paintBands(QImage& picture, double hourAngle, double minuteAngle) const;
    void drawHands(QImage& picture, const FaceGeometry& geometry, double hourAngle, double minuteAngle) const;

    int m_angleWidth = 0;
    int m_angleHeight = 0;
    double m_centreX = 0.0; // of the pictures the angles are for
    double m_centreY = 0.0;
    int m_firstRight = 0; // the first column right of the centre (or on it), and row below it
    int m_firstLower = 0;
    int m_quadrantWidth = 0;
    std::vector<float> m_angles; // that quadrant, row-major, one per pixel

    std::optional<LayoutKey> m_layoutKey;
    std::vector<Run> m_runs; // each row cut into runs of one kind, rows in order
    std::vector<std::size_t> m_rowRuns; // first run of each row, and one past the last row

    std::optional<LayerKey> m_layerKey;
    std::vector<QRgb> m_keep; // tics band colour and tics: what the Keep runs show, run after run

    BandTable m_hours;
    BandTable m_minutes;
};

} // namespace horavine
