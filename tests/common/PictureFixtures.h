#pragma once

// Pictures built in code for the picture tests: GIFs through giflib's encoder, JPEG variants through libjpeg.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace horavine::test {

struct GifColour
{
    int r, g, b;
};

struct GifFrame
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    std::vector<GifColour> localColours; // empty: use the global table
    std::vector<int> pixels; // width × height colour indices, top row first
    int transparentIndex = -1; // written as a graphics control block when >= 0
};

struct GifPicture
{
    int width = 0;
    int height = 0;
    std::vector<GifColour> globalColours; // empty: no global table
    int backgroundIndex = 0;
    std::vector<GifFrame> frames;
};

// Colour tables are padded to a power of two with black.
QByteArray BuildGif(const GifPicture& picture);

// Removes the first frame's local colour table from a built GIF; its pixel data then refers to the global table
// (or to none), which giflib's encoder never lets one write directly.
QByteArray WithoutFirstLocalTable(QByteArray gif);

enum class JpegKind { Grayscale, AdobeCmyk, Progressive };
// Adobe CMYK stores inverted inks: each pixel's stored C, M, Y, K is 255 − ink, as Photoshop writes them. For
// AdobeCmyk the image's red, green, blue and alpha channels are taken as the four stored values.
QByteArray EncodeWithLibjpeg(const QImage& image, JpegKind kind, int quality = 95);

// Writes bytes as a new file (an old one of that name is removed first).
void WriteBytes(const QString& path, const QByteArray& bytes);

} // namespace horavine::test
