// LoadPicture and LoadPictureScaled on every format the clock reads pictures in. The first byte
// picks the format and the size a thumbnail would be made at; the rest is the file.

#include "FuzzSupport.h"
#include "common/Picture.h"

#include <QImage>

using namespace horavine;

namespace {

// One extension per decoder: libjpeg, giflib, and Qt's readers for the rest.
constexpr const char* kNames[] = {"picture.jpg", "picture.gif", "picture.bmp", "picture.png"};
constexpr std::size_t kFormats = sizeof kNames / sizeof kNames[0];

bool promisedFormat(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const QString path = fuzz::WriteInput(data + 1, size - 1, QString::fromLatin1(kNames[choice % kFormats]));

    // Bits 2..7: no thumbnail, or one between 1 x 1 and 63 x 32 pixels, shapes of every kind.
    const int thumb = choice >> 2;
    try {
        if (thumb == 0) {
            const QImage image = LoadPicture(path);
            if (image.isNull() || !promisedFormat(image))
                fuzz::Fail("a loaded picture is empty or in a format not promised");
        } else {
            const QSize target(thumb, 1 + thumb / 2);
            const QImage image = LoadPictureScaled(path, target);
            if (image.size() != target || !promisedFormat(image))
                fuzz::Fail("a thumbnail has the wrong size or format");
        }
    } catch (const PictureError&) {
        // A damaged picture is refused with a message: the expected outcome.
    }
    return 0;
}
