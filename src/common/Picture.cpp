#include "common/Picture.h"

#include "common/FilePaths.h"
#include "common/PictureCodecs.h"
#include "common/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <climits>
#include <iterator>

namespace horavine {

void ThrowLoadError(const QString& path, const QString& what)
{
    throw PictureError(QCoreApplication::translate("Pictures", "Cannot load picture \"%1\": %2").arg(path, what));
}

qint64 PictureByteLimit()
{
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    // Without a limit from Qt, QImage's own ceiling still applies.
    return limitBytes > 0 ? limitBytes : qint64(INT_MAX);
}

void CheckPictureSize(const QString& path, qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        ThrowLoadError(
            path,
            QCoreApplication::translate("Pictures", "the picture has no pixels (%1 × %2)").arg(width).arg(height));
    if (width > PictureByteLimit() / 4 / height) {
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "the picture is too large (%1 × %2 pixels)")
                           .arg(width)
                           .arg(height));
    }
}

QImage AllocatePicture(const QString& path, int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    if (image.isNull())
        ThrowLoadError(
            path,
            QCoreApplication::translate("Pictures", "not enough memory for %1 × %2 pixels").arg(width).arg(height));
    return image;
}

namespace {

// Qt's own formats are known without asking: the list of all formats loads every image plugin.
bool QtReadsFormat(const QByteArray& format)
{
    static const QByteArray builtIn[] = {"bmp", "png", "ppm", "pgm", "pbm", "xbm", "xpm"};
    return std::find(std::begin(builtIn), std::end(builtIn), format) != std::end(builtIn)
        || QImageReader::supportedImageFormats().contains(format);
}

// target: the size the picture will be shown at, or invalid for the whole picture.
QImage decodePicture(const QString& path, QSize target)
{
    const QFileInfo info(path);
    if (!info.exists())
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "the file does not exist"));
    if (!info.isFile())
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "not a file"));

    // The extension decides, as it does for the picture dialogs: a file whose content does not match is an error.
    const QString ext = ExtractFileExt(path).mid(1).toLower();
    const bool isJpeg = ext == u"jpg" || ext == u"jpeg" || ext == u"jpe" || ext == u"jfif";
    const bool isGif = ext == u"gif";
    const QByteArray qtFormat = ext.toLatin1();
    if (!isJpeg && !isGif && (ext.isEmpty() || !QtReadsFormat(qtFormat))) {
        ThrowLoadError(
            path,
            ext.isEmpty()
                ? QCoreApplication::translate("Pictures", "unsupported picture format (the file name has no extension)")
                : QCoreApplication::translate("Pictures", "unsupported picture format \".%1\"").arg(ext));
    }

    QByteArray bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const IoError& e) {
        throw PictureError(e.message());
    }
    if (bytes.isEmpty())
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "the file is empty"));

    if (isJpeg)
        return DecodeJpeg(bytes, path, target);
    if (isGif)
        return DecodeGif(bytes, path);
    return DecodeWithQt(bytes, qtFormat, path, target);
}

} // namespace

QImage LoadPicture(const QString& path)
{
    return decodePicture(path, QSize());
}

QImage LoadPictureScaled(const QString& path, QSize target)
{
    if (target.isEmpty())
        return LoadPicture(path);
    QImage image = decodePicture(path, target);
    if (image.size() == target)
        return image;
    CheckPictureSize(path, target.width(), target.height());
    const bool alpha = image.hasAlphaChannel();
    image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Smooth scaling hands back premultiplied pixels; callers get the formats LoadPicture promises.
    if (!image.isNull())
        image.convertTo(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull() || image.size() != target)
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "not enough memory for %1 × %2 pixels")
                           .arg(target.width())
                           .arg(target.height()));
    return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    QByteArray out;
    const QString error = EncodeJpegInto(image, quality, out);
    if (!error.isEmpty())
        throw PictureError(QCoreApplication::translate("Pictures", "Cannot encode a JPEG picture: %1").arg(error));
    return out;
}

void SaveJpeg(const QImage& image, const QString& path, int quality)
{
    QByteArray out;
    const QString error = EncodeJpegInto(image, quality, out);
    if (!error.isEmpty())
        throw PictureError(QCoreApplication::translate("Pictures", "Cannot save picture \"%1\": %2").arg(path, error));
    WriteFileAtomically(path, out);
}

} // namespace horavine
