// GIF through giflib's record-level reader rather than DGifSlurp: only the first frame is ever shown, and reading
// record by record lets the frame's placement be checked before any pixel memory is taken, and stops before the
// (possibly many, possibly damaged) later frames.

#include "common/Picture.h"
#include "common/PictureCodecs.h"

#include <QCoreApplication>
#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace horavine {

namespace {

struct GifSource
{
    const GifByteType* data;
    qsizetype size;
    qsizetype position;
    bool ranOut;
};

int readGifBytes(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const qsizetype left = source->size - source->position;
    const qsizetype count = length < left ? qsizetype(length) : left;
    if (count < length)
        source->ranOut = true;
    if (count > 0)
        std::memcpy(buffer, source->data + source->position, size_t(count));
    source->position += count;
    return int(count);
}

struct GifCloser
{
    GifFileType* gif = nullptr;
    ~GifCloser()
    {
        int error = 0;
        if (gif)
            DGifCloseFile(gif, &error);
    }
};

class GifReader
{
public:
    GifReader(const QByteArray& bytes, const QString& path)
        : m_source{reinterpret_cast<const GifByteType*>(bytes.constData()), bytes.size(), 0, false}
        , m_path(path)
    {
    }

    QImage read();

private:
    [[noreturn]] void fail(int giflibError) const;
    void check(int result) const
    {
        if (result == GIF_ERROR)
            fail(m_gif.gif->Error);
    }
    void readExtension();
    QImage readFirstFrame();

    GifSource m_source;
    QString m_path;
    GifCloser m_gif;
    int m_transparentIndex = NO_TRANSPARENT_COLOR;
};

void GifReader::fail(int giflibError) const
{
    if (m_source.ranOut)
        ThrowLoadError(m_path, QCoreApplication::translate("Pictures", "the file is truncated"));
    if (giflibError == D_GIF_ERR_NOT_GIF_FILE)
        ThrowLoadError(m_path, QCoreApplication::translate("Pictures", "not a GIF file"));
    const char* text = GifErrorString(giflibError);
    ThrowLoadError(m_path,
                   QCoreApplication::translate("Pictures", "damaged GIF data (%1)")
                       .arg(text ? QString::fromLatin1(text) : QString::number(giflibError)));
}

QImage GifReader::read()
{
    int error = 0;
    m_gif.gif = DGifOpen(&m_source, readGifBytes, &error);
    if (!m_gif.gif)
        fail(error);
    CheckPictureSize(m_path, m_gif.gif->SWidth, m_gif.gif->SHeight);
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        check(DGifGetRecordType(m_gif.gif, &type));
        switch (type) {
        case EXTENSION_RECORD_TYPE:
            readExtension();
            break;
        case IMAGE_DESC_RECORD_TYPE:
            return readFirstFrame();
        case TERMINATE_RECORD_TYPE:
            ThrowLoadError(m_path, QCoreApplication::translate("Pictures", "the GIF file holds no picture"));
        default:
            fail(D_GIF_ERR_WRONG_RECORD);
        }
    }
}

void GifReader::readExtension()
{
    int code = 0;
    GifByteType* block = nullptr;
    check(DGifGetExtension(m_gif.gif, &code, &block));
    if (code == GRAPHICS_EXT_FUNC_CODE && block) {
        GraphicsControlBlock control;
        // A control block of the wrong length is ignored rather than fatal: the frame can still be shown.
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            m_transparentIndex = control.TransparentColor;
    }
    while (block) {
        check(DGifGetExtensionNext(m_gif.gif, &block));
    }
}

QImage GifReader::readFirstFrame()
{
    check(DGifGetImageDesc(m_gif.gif));
    GifFileType* gif = m_gif.gif;
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0 || frame.Height <= 0 || frame.Left < 0 || frame.Top < 0
        || qint64(frame.Left) + frame.Width > gif->SWidth || qint64(frame.Top) + frame.Height > gif->SHeight) {
        ThrowLoadError(m_path,
                       QCoreApplication::translate(
                           "Pictures", "the first frame (%1 × %2 at %3, %4) lies outside the %5 × %6 picture")
                           .arg(frame.Width)
                           .arg(frame.Height)
                           .arg(frame.Left)
                           .arg(frame.Top)
                           .arg(gif->SWidth)
                           .arg(gif->SHeight));
    }
    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours || colours->ColorCount <= 0 || !colours->Colors)
        ThrowLoadError(m_path, QCoreApplication::translate("Pictures", "the GIF file has no colour table"));

    const int width = frame.Width;
    const int height = frame.Height;
    std::vector<GifPixelType> indices(size_t(width) * size_t(height));
    if (frame.Interlace) {
        // Interlaced rows arrive in four passes: every 8th row from 0, every 8th from 4, every 4th from 2,
        // every 2nd from 1.
        static constexpr int kStart[] = {0, 4, 2, 1};
        static constexpr int kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            for (int y = kStart[pass]; y < height; y += kStep[pass])
                check(DGifGetLine(gif, indices.data() + size_t(y) * size_t(width), width));
        }
    } else {
        for (int y = 0; y < height; ++y)
            check(DGifGetLine(gif, indices.data() + size_t(y) * size_t(width), width));
    }

    bool anyTransparent = false;
    for (const GifPixelType index : indices) {
        if (index == m_transparentIndex)
            anyTransparent = true;
        else if (index >= colours->ColorCount)
            ThrowLoadError(m_path,
                           QCoreApplication::translate("Pictures", "a pixel uses colour %1 of a %2-colour table")
                               .arg(index)
                               .arg(colours->ColorCount));
    }

    QRgb background = qRgb(255, 255, 255);
    if (gif->SColorMap && gif->SBackGroundColor >= 0 && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = qRgb(c.Red, c.Green, c.Blue);
    }
    QImage image = AllocatePicture(m_path, gif->SWidth, gif->SHeight,
                                   anyTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(background);
    for (int y = 0; y < height; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(frame.Top + y)) + frame.Left;
        const GifPixelType* in = indices.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            if (in[x] == m_transparentIndex) {
                out[x] = qRgba(255, 255, 255, 0);
            } else {
                const GifColorType& c = colours->Colors[in[x]];
                out[x] = qRgb(c.Red, c.Green, c.Blue);
            }
        }
    }
    return image;
}

} // namespace

QImage DecodeGif(const QByteArray& bytes, const QString& path)
{
    return GifReader(bytes, path).read();
}

} // namespace horavine
