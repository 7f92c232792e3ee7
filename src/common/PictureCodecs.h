#pragma once

// The decoders behind LoadPicture. Each throws PictureError naming the file; none returns a partial picture.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace horavine {

// "Cannot load picture \"path\": what"
[[noreturn]] void ThrowLoadError(const QString& path, const QString& what);

// The most memory one decode may take: the limit Qt's own readers apply (QImageReader::allocationLimit).
qint64 PictureByteLimit();

// Throws unless a width × height picture is worth allocating: both sides positive and the 32-bit pixels within
// PictureByteLimit, so a damaged header cannot ask for gigabytes.
void CheckPictureSize(const QString& path, qint64 width, qint64 height);

// A blank picture of that size, or PictureError when memory runs out.
QImage AllocatePicture(const QString& path, int width, int height, QImage::Format format);

// n of the scale 1/n (1, 2, 4 or 8) at which libjpeg decodes a source picture that will be shown at target: the
// smallest output whose sides, ceil(side / n) as libjpeg rounds them, still cover the target's. 1 for an empty target.
int JpegScaleDenominator(QSize source, QSize target);

// With a valid target the picture comes back at JpegScaleDenominator's scale, not at the target itself.
QImage DecodeJpeg(const QByteArray& bytes, const QString& path, QSize target = QSize());
QImage DecodeGif(const QByteArray& bytes, const QString& path);
// format: the lower-case extension without its dot, as Qt names its readers ("bmp", "png", ...).
// With a valid scaledSize the reader scales while reading, which some formats do more cheaply than a full decode.
QImage DecodeWithQt(const QByteArray& bytes, const QByteArray& format, const QString& path, QSize scaledSize = QSize());

// Empty on success, otherwise what went wrong.
QString EncodeJpegInto(const QImage& image, int quality, QByteArray& out);

} // namespace horavine
