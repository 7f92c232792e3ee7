#pragma once

#include <QImage>
#include <QRgb>

namespace horavine {

// A glyph drawn the classic way: every pixel of the key colour lets the background show through.
inline QImage ClearColorKey(const QImage& glyph, QRgb key)
{
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    return image;
}

} // namespace horavine
