#pragma once

// The decoders behind LoadPicture. Each throws PictureError naming the file; none returns a partial picture.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace horavine {

// "Cannot load picture \"path\": what"
[[noreturn]] void ThrowLoadError(const QString& path, const QString& what);

// Throws unless a width × height picture is worth allocating: both sides positive and the 32-bit pixels within
// the limit Qt's own readers apply (QImageReader::allocationLimit), so a damaged header cannot ask for gigabytes.
void CheckPictureSize(const QString& path, qint64 width, qint64 height);

// A blank picture of that size, or PictureError when memory runs out.
QImage AllocatePicture(const QString& path, int width, int height, QImage::Format format);

QImage DecodeJpeg(const QByteArray& bytes, const QString& path);
QImage DecodeGif(const QByteArray& bytes, const QString& path);
// format: the lower-case extension without its dot, as Qt names its readers ("bmp", "png", ...).
QImage DecodeWithQt(const QByteArray& bytes, const QByteArray& format, const QString& path);

// Empty on success, otherwise what went wrong.
QString EncodeJpegInto(const QImage& image, int quality, QByteArray& out);

} // namespace horavine
