// A .clk file as the clock meets it: read, repaired for this installation, and shown. The face is
// photographed small, so every field reaches the painting code at a few thousand pixels' cost.

#include "FuzzSupport.h"
#include "common/AppDir.h"
#include "common/IoError.h"
#include "face/FacePhoto.h"
#include "face/SkinFile.h"
#include "face/SkinState.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

using namespace horavine;

namespace {

constexpr int kPhotoSize = 48;

struct Installation
{
    // The shipped data folder: its textures and fonts are what real skins name.
    AppDir appDir{QStringLiteral(HORAVINE_SOURCE_DIR "/data/")};
    StaticFontCatalog fonts;
    ReadoutFormat format;
    TDateTime moment = EncodeDateTime(2024, 2, 29, 13, 59, 58);
};

Installation* installation = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(true);
    // The shipped skin fonts, as the clock adds them at start.
    const QDir fonts(QStringLiteral(HORAVINE_SOURCE_DIR "/data/Fonts"));
    for (const QFileInfo& font : fonts.entryInfoList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(font.absoluteFilePath());
    installation = new Installation;
    installation->fonts = StaticFontCatalog(QFontDatabase::families());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::WriteInput(data, size, QStringLiteral("skin.clk"));

    // The record is the file's first bytes, unchanged; only a short file is refused.
    try {
        const TClockSkin record = ReadSkinRecord(path);
        if (size < std::size_t(TClockSkin::kSize))
            fuzz::Fail("a short skin file was read");
        if (record.toBytes() != QByteArray(reinterpret_cast<const char*>(data), TClockSkin::kSize))
            fuzz::Fail("the skin record differs from the file's bytes");
    } catch (const IoError&) {
        if (size >= std::size_t(TClockSkin::kSize))
            fuzz::Fail("a whole skin record was refused");
    }

    SkinState state;
    SkinFile skins(state, installation->appDir, installation->fonts);
    try {
        skins.LoadSkin(path, size % 2 == 0);
    } catch (const IoError&) {
        return 0;
    }
    const QImage photo
        = PhotographFace(state, installation->appDir, installation->moment, installation->format, kPhotoSize);
    if (photo.size() != QSize(kPhotoSize, kPhotoSize))
        fuzz::Fail("the face photo has the wrong size");
    return 0;
}
