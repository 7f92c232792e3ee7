#include "PictureFixtures.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <stdexcept>

namespace horavine::test {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct ColourMap
{
    ColorMapObject* map = nullptr;
    explicit ColourMap(const std::vector<GifColour>& colours)
    {
        if (colours.empty())
            return;
        int count = 2;
        while (count < int(colours.size()))
            count *= 2;
        std::vector<GifColorType> entries(size_t(count), GifColorType{0, 0, 0});
        for (size_t i = 0; i < colours.size(); ++i)
            entries[i] = GifColorType{GifByteType(colours[i].r), GifByteType(colours[i].g), GifByteType(colours[i].b)};
        map = GifMakeMapObject(count, entries.data());
    }
    ~ColourMap() { GifFreeMapObject(map); }
};

void require(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

} // namespace

QByteArray BuildGif(const GifPicture& picture)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    require(gif, "EGifOpen");
    EGifSetGifVersion(gif, true);
    const ColourMap global(picture.globalColours);
    require(EGifPutScreenDesc(gif, picture.width, picture.height, 8, picture.backgroundIndex, global.map) == GIF_OK,
            "EGifPutScreenDesc");
    for (const GifFrame& frame : picture.frames) {
        if (frame.transparentIndex >= 0) {
            GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, frame.transparentIndex};
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&control, extension);
            require(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK,
                    "EGifPutExtension");
        }
        const ColourMap local(frame.localColours);
        require(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced, local.map)
                    == GIF_OK,
                "EGifPutImageDesc");
        // The encoder writes rows in the order given; an interlaced frame's rows go in the four-pass order.
        std::vector<int> order;
        if (frame.interlaced) {
            for (int pass = 0; pass < 4; ++pass) {
                static constexpr int kStart[] = {0, 4, 2, 1};
                static constexpr int kStep[] = {8, 8, 4, 2};
                for (int y = kStart[pass]; y < frame.height; y += kStep[pass])
                    order.push_back(y);
            }
        } else {
            for (int y = 0; y < frame.height; ++y)
                order.push_back(y);
        }
        std::vector<GifPixelType> row(size_t(frame.width));
        for (const int y : order) {
            for (int x = 0; x < frame.width; ++x)
                row[size_t(x)] = GifPixelType(frame.pixels[size_t(y * frame.width + x)]);
            require(EGifPutLine(gif, row.data(), frame.width) == GIF_OK, "EGifPutLine");
        }
    }
    require(EGifCloseFile(gif, &error) == GIF_OK, "EGifCloseFile");
    return out;
}

QByteArray WithoutFirstLocalTable(QByteArray gif)
{
    qsizetype at = 13; // header and logical screen descriptor
    const auto byte = [&gif](qsizetype i) {
        return uchar(gif.at(i));
    };
    if (byte(10) & 0x80)
        at += 3 * (qsizetype(2) << (byte(10) & 7));
    while (byte(at) == 0x21) { // extensions: introducer, label, sub-blocks
        at += 2;
        while (byte(at) != 0)
            at += 1 + byte(at);
        at += 1;
    }
    require(byte(at) == 0x2C, "no image descriptor");
    const qsizetype packed = at + 9;
    require(byte(packed) & 0x80, "no local colour table");
    const qsizetype tableBytes = 3 * (qsizetype(2) << (byte(packed) & 7));
    gif[packed] = char(byte(packed) & 0x40); // keep only the interlace flag
    gif.remove(packed + 1, tableBytes);
    return gif;
}

QByteArray EncodeWithLibjpeg(const QImage& source, JpegKind kind, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    switch (kind) {
    case JpegKind::Grayscale:
        info.input_components = 1;
        info.in_color_space = JCS_GRAYSCALE;
        break;
    case JpegKind::AdobeCmyk:
        info.input_components = 4;
        info.in_color_space = JCS_CMYK;
        break;
    case JpegKind::Progressive:
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        break;
    }
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(image.width()) * size_t(info.input_components));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        JSAMPLE* out = row.data();
        for (int x = 0; x < image.width(); ++x) {
            if (kind == JpegKind::Grayscale) {
                *out++ = JSAMPLE(qRed(in[x]));
            } else {
                *out++ = JSAMPLE(qRed(in[x]));
                *out++ = JSAMPLE(qGreen(in[x]));
                *out++ = JSAMPLE(qBlue(in[x]));
                if (kind == JpegKind::AdobeCmyk)
                    *out++ = JSAMPLE(qAlpha(in[x]));
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    // A new file rather than a truncated one: ext4 flushes a file truncated and rewritten when it is closed, which
    // makes thousands of small rewrites crawl.
    QFile::remove(path);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "write");
}

} // namespace horavine::test
