// Every picture format other than JPEG and GIF goes through Qt's readers.

#include "common/Picture.h"
#include "common/PictureCodecs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace horavine {

namespace {

// Qt's bitmap reader stops quietly at the end of a short file and returns the rows it never read as garbage, so
// truncation is caught here instead: a binary reader that asks for bytes past the end has met a cut-off file.
class EndWatchingBuffer : public QBuffer
{
public:
    explicit EndWatchingBuffer(const QByteArray& bytes)
        : m_bytes(bytes)
    {
        setBuffer(&m_bytes);
    }

    bool readPastEnd() const { return m_readPastEnd; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = QBuffer::readData(data, maxSize);
        if (count < maxSize)
            m_readPastEnd = true;
        return count;
    }

private:
    QByteArray m_bytes;
    bool m_readPastEnd = false;
};

// Text formats legitimately read until the data runs out.
bool isTextFormat(const QByteArray& format)
{
    return format == "xpm" || format == "xbm" || format == "pbm" || format == "pgm" || format == "ppm";
}

} // namespace

QImage DecodeWithQt(const QByteArray& bytes, const QByteArray& format, const QString& path, QSize scaledSize)
{
    EndWatchingBuffer device(bytes);
    // Unbuffered, so that every read the format's reader makes reaches readData with its own size.
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (scaledSize.isValid() && !scaledSize.isEmpty())
        reader.setScaledSize(scaledSize);

    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "not a readable %1 picture (%2)")
                           .arg(QString::fromLatin1(format).toUpper(), reader.errorString()));
    }
    if (device.readPastEnd() && !isTextFormat(format))
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "the file is truncated"));
    const QImage converted
        = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (converted.isNull())
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "not enough memory for %1 × %2 pixels")
                           .arg(image.width())
                           .arg(image.height()));
    return converted;
}

} // namespace horavine
