// JPEG through libjpeg. libjpeg reports errors by calling error_exit, which must not return; ours longjmps back to
// the setjmp in the small plain functions below. Nothing with a destructor lives in those functions, so the jump
// skips no cleanup: the libjpeg objects and their buffers belong to holder structs in the calling C++ code.

#include "common/Picture.h"
#include "common/PictureCodecs.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>

namespace horavine {

namespace {

struct JpegErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool truncated;
    char message[JMSG_LENGTH_MAX];
};

JpegErrorManager* errorManager(j_common_ptr info)
{
    return reinterpret_cast<JpegErrorManager*>(info->err);
}

void onJpegError(j_common_ptr info)
{
    JpegErrorManager* err = errorManager(info);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void onJpegMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace output
    // When the data ends early (or a marker cuts a scan short) libjpeg only warns and paints the rest grey; a
    // picture with a grey tail is a damaged picture, not one to show. Other warnings (stray bytes between markers
    // and the like) leave a sound picture, so they pass as they do in most viewers.
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) {
        errorManager(info)->truncated = code == JWRN_JPEG_EOF;
        onJpegError(info);
    }
    ++info->err->num_warnings;
}

jpeg_error_mgr* installErrorManager(JpegErrorManager& err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.emit_message = onJpegMessage;
    err.truncated = false;
    err.message[0] = '\0';
    return &err.pub;
}

struct JpegDecoder
{
    jpeg_decompress_struct info{};
    JpegErrorManager err{};
    bool created = false;

    JpegDecoder() { info.err = installErrorManager(err); }
    ~JpegDecoder()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;
};

bool readJpegHeader(JpegDecoder* d, const unsigned char* data, unsigned long size)
{
    if (setjmp(d->err.jump))
        return false;
    jpeg_create_decompress(&d->info);
    d->created = true;
    // libjpeg's own buffers count too: a progressive picture keeps every coefficient of the full-size picture in
    // memory however small the output, so a huge header would otherwise ask for gigabytes behind the size check.
    d->info.mem->max_memory_to_use = long(std::min<qint64>(PictureByteLimit(), LONG_MAX));
    jpeg_mem_src(&d->info, data, size);
    jpeg_read_header(&d->info, TRUE);
    return true;
}

// Fills output_width and output_height for the chosen colour space and scale.
bool computeOutputSize(JpegDecoder* d)
{
    if (setjmp(d->err.jump))
        return false;
    jpeg_calc_output_dimensions(&d->info);
    return true;
}

uchar mulDiv255(int a, int b)
{
    return uchar((a * b + 127) / 255);
}

// Fills every row of the picture, or returns false; out_color_space is JCS_RGB or JCS_CMYK.
bool readJpegRows(JpegDecoder* d, uchar* bits, qsizetype bytesPerLine)
{
    if (setjmp(d->err.jump))
        return false;
    jpeg_start_decompress(&d->info);
    const bool cmyk = d->info.out_color_space == JCS_CMYK;
    // Adobe's CMYK JPEGs store inverted inks, and only Adobe writes the marker.
    const bool inverted = d->info.saw_Adobe_marker;
    const JDIMENSION width = d->info.output_width;
    JSAMPARRAY row = (*d->info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d->info), JPOOL_IMAGE,
                                                  width * d->info.output_components, 1);
    while (d->info.output_scanline < d->info.output_height) {
        const JDIMENSION y = d->info.output_scanline;
        if (jpeg_read_scanlines(&d->info, row, 1) != 1)
            ERREXIT(&d->info, JERR_INPUT_EMPTY); // a memory source never suspends; be sure all the same
        QRgb* out = reinterpret_cast<QRgb*>(bits + qsizetype(y) * bytesPerLine);
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x) {
            if (cmyk) {
                int c = in[0], m = in[1], ye = in[2], k = in[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    ye = 255 - ye;
                    k = 255 - k;
                }
                out[x] = qRgb(mulDiv255(c, k), mulDiv255(m, k), mulDiv255(ye, k));
                in += 4;
            } else {
                out[x] = qRgb(in[0], in[1], in[2]);
                in += 3;
            }
        }
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

[[noreturn]] void throwJpegError(const JpegDecoder& d, const QString& path)
{
    if (d.err.truncated)
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "the file is truncated"));
    if (d.err.pub.msg_code == JERR_NO_SOI)
        ThrowLoadError(path, QCoreApplication::translate("Pictures", "not a JPEG file"));
    if (d.err.pub.msg_code == JERR_NO_BACKING_STORE || d.err.pub.msg_code == JERR_OUT_OF_MEMORY) {
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "the picture is too large (%1 × %2 pixels)")
                           .arg(d.info.image_width)
                           .arg(d.info.image_height));
    }
    ThrowLoadError(
        path,
        QCoreApplication::translate("Pictures", "damaged JPEG data (%1)").arg(QString::fromLocal8Bit(d.err.message)));
}

// The compressed bytes go into a growing malloc'ed buffer owned by the encoder holder, so an error half-way
// neither leaks nor leaves a dangling pointer (jpeg_mem_dest can do both).
struct JpegEncoder
{
    jpeg_compress_struct info{};
    JpegErrorManager err{};
    jpeg_destination_mgr dest{};
    unsigned char* buffer = nullptr;
    size_t capacity = 0;
    bool created = false;

    JpegEncoder() { info.err = installErrorManager(err); }
    ~JpegEncoder()
    {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    JpegEncoder(const JpegEncoder&) = delete;
    JpegEncoder& operator=(const JpegEncoder&) = delete;

    size_t size() const { return capacity - dest.free_in_buffer; }
};

JpegEncoder* encoderOf(j_compress_ptr info)
{
    return static_cast<JpegEncoder*>(info->client_data);
}

void initDestination(j_compress_ptr info)
{
    JpegEncoder* e = encoderOf(info);
    e->capacity = 64 * 1024;
    e->buffer = static_cast<unsigned char*>(std::malloc(e->capacity));
    if (!e->buffer)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    e->dest.next_output_byte = e->buffer;
    e->dest.free_in_buffer = e->capacity;
}

boolean growDestination(j_compress_ptr info)
{
    JpegEncoder* e = encoderOf(info);
    const size_t grown = e->capacity * 2;
    auto* bigger = static_cast<unsigned char*>(std::realloc(e->buffer, grown));
    if (!bigger)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 1);
    e->buffer = bigger;
    e->dest.next_output_byte = bigger + e->capacity; // the whole old buffer is full when libjpeg calls this
    e->dest.free_in_buffer = grown - e->capacity;
    e->capacity = grown;
    return TRUE;
}

void termDestination(j_compress_ptr) { }

// pixels: Format_RGB32 rows.
bool writeJpeg(JpegEncoder* e, const uchar* pixels, qsizetype bytesPerLine, int width, int height, int quality)
{
    if (setjmp(e->err.jump))
        return false;
    jpeg_create_compress(&e->info);
    e->created = true;
    e->info.client_data = e;
    e->dest.init_destination = initDestination;
    e->dest.empty_output_buffer = growDestination;
    e->dest.term_destination = termDestination;
    e->info.dest = &e->dest;
    e->info.image_width = JDIMENSION(width);
    e->info.image_height = JDIMENSION(height);
    e->info.input_components = 3;
    e->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e->info);
    jpeg_set_quality(&e->info, quality, TRUE);
    jpeg_start_compress(&e->info, TRUE);
    JSAMPARRAY row
        = (*e->info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&e->info), JPOOL_IMAGE, JDIMENSION(width) * 3, 1);
    for (int y = 0; y < height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(pixels + qsizetype(y) * bytesPerLine);
        JSAMPLE* out = row[0];
        for (int x = 0; x < width; ++x) {
            *out++ = JSAMPLE(qRed(in[x]));
            *out++ = JSAMPLE(qGreen(in[x]));
            *out++ = JSAMPLE(qBlue(in[x]));
        }
        jpeg_write_scanlines(&e->info, row, 1);
    }
    jpeg_finish_compress(&e->info);
    return true;
}

// A preview never carries transparency; what shows through a transparent pixel is taken to be white.
QImage opaqueOnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int a = qAlpha(line[x]);
            const auto blend = [a](int c) {
                return (c * a + 255 * (255 - a) + 127) / 255;
            };
            line[x] = qRgb(blend(qRed(line[x])), blend(qGreen(line[x])), blend(qBlue(line[x])));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

} // namespace

int JpegScaleDenominator(QSize source, QSize target)
{
    if (target.isEmpty())
        return 1;
    const auto covers = [&](qint64 side, qint64 wanted, int n) {
        return (side + n - 1) / n >= wanted;
    };
    for (const int n : {8, 4, 2}) {
        if (covers(source.width(), target.width(), n) && covers(source.height(), target.height(), n))
            return n;
    }
    return 1;
}

QImage DecodeJpeg(const QByteArray& bytes, const QString& path, QSize target)
{
    JpegDecoder d;
    if (!readJpegHeader(&d, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size()))
        throwJpegError(d, path);

    switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        d.info.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.info.out_color_space = JCS_CMYK;
        break;
    default:
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "unsupported JPEG colour space (%1 components)")
                           .arg(d.info.num_components));
    }
    // libjpeg scales while it transforms the blocks, so a reduced picture costs a fraction of the full decode.
    d.info.scale_num = 1;
    d.info.scale_denom
        = unsigned(JpegScaleDenominator(QSize(int(d.info.image_width), int(d.info.image_height)), target));
    if (!computeOutputSize(&d))
        throwJpegError(d, path);
    // The limit is on what is allocated, but the message names the picture as its file has it.
    if (qint64(d.info.output_width) * qint64(d.info.output_height) > PictureByteLimit() / 4) {
        ThrowLoadError(path,
                       QCoreApplication::translate("Pictures", "the picture is too large (%1 × %2 pixels)")
                           .arg(d.info.image_width)
                           .arg(d.info.image_height));
    }
    QImage image = AllocatePicture(path, int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB32);
    if (!readJpegRows(&d, image.bits(), image.bytesPerLine()))
        throwJpegError(d, path);
    return image;
}

QString EncodeJpegInto(const QImage& image, int quality, QByteArray& out)
{
    if (image.isNull())
        return QCoreApplication::translate("Pictures", "the picture is empty");
    const QImage rgb = opaqueOnWhite(image);
    if (rgb.isNull())
        return QCoreApplication::translate("Pictures", "not enough memory");
    JpegEncoder e;
    if (!writeJpeg(&e, rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height(), std::clamp(quality, 1, 100)))
        return QString::fromLocal8Bit(e.err.message);
    out = QByteArray(reinterpret_cast<const char*>(e.buffer), qsizetype(e.size()));
    return {};
}

} // namespace horavine
