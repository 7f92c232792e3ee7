#pragma once

// Picture files: the start-up picture, gallery thumbnails and previews, textures and alarm pictures.

#include "common/IoError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace horavine {

// A picture that cannot be read or written; the message names the file and what is wrong.
class PictureError : public IoError
{
public:
    using IoError::IoError;
};

// Loads a picture, the decoder chosen by the file's extension (letter case ignored): .jpg/.jpeg/.jpe/.jfif through
// libjpeg, .gif through giflib (first frame only), every other extension Qt reads (bmp, png, ico, ...) through
// QImageReader. An extension no decoder knows is an error; the content is never sniffed.
// Returns Format_RGB32, or Format_ARGB32 when the picture has transparent pixels (a GIF's transparent pixels come
// back as white with alpha 0). Throws PictureError, never returns a partly decoded picture.
QImage LoadPicture(const QString& path);

// LoadPicture for a thumbnail: the picture stretched to exactly target (proportions not kept, smooth scaling), decoded
// no larger than needed on the way. JPEG is decoded by libjpeg at 1/2, 1/4 or 1/8 when that still covers the
// target; other formats through QImageReader's scaled read (GIF decoded whole, then scaled). The size limit applies
// to what the decode allocates, so a picture too large for LoadPicture may still make a thumbnail. Same formats,
// results and errors as LoadPicture otherwise; a target without pixels gives the picture at its own size.
QImage LoadPictureScaled(const QString& path, QSize target);

// A baseline 24-bit JPEG (JFIF, 4:2:0). Transparent pixels are flattened onto white; quality is clamped to 1..100.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);

// EncodeJpeg, then the whole file replaced at once. Throws PictureError (encoding) or IoError (writing).
void SaveJpeg(const QImage& image, const QString& path, int quality = 90);

} // namespace horavine
