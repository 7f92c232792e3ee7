#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/AppDir.h"
#include "common/AppFolder.h"
#include "common/DateFormat.h"
#include "common/Picture.h"
#include "face/ClockFace.h"
#include "face/FacePhoto.h"
#include "face/FacePicture.h"
#include "face/FixedMomentHost.h"
#include "face/SkinFile.h"
#include "face/SkinState.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

namespace horavine::cli {

namespace {

void writePicture(const QImage& image, const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) {
        SaveJpeg(image, path);
        return;
    }
    if (!image.save(path, ext == QLatin1String("png") ? "PNG" : "BMP"))
        throw Failure(QStringLiteral("cannot write \"%1\"").arg(path));
}

} // namespace

int RunRender(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const QString skinPath = QFileInfo(args.positional(0, QStringLiteral("FILE.clk"))).absoluteFilePath();
    const TDateTime moment = MomentOption(args, QStringLiteral("--at"));
    const auto out = args.value(QStringLiteral("-o"));
    if (!out)
        throw UsageError(QStringLiteral("-o OUT.png|OUT.jpg|OUT.bmp is required"));
    const QString ext = QFileInfo(*out).suffix().toLower();
    if (ext != QLatin1String("png") && ext != QLatin1String("jpg") && ext != QLatin1String("jpeg")
        && ext != QLatin1String("bmp"))
        throw UsageError(QStringLiteral("-o: \"%1\" is not a .png, .jpg or .bmp file").arg(*out));
    int digitalFormat = 0;
    if (const auto format = args.value(QStringLiteral("--format"))) {
        if (*format == QLatin1String("24"))
            digitalFormat = 1;
        else if (*format != QLatin1String("ampm"))
            throw UsageError(QStringLiteral("--format: \"%1\" is not ampm or 24").arg(*format));
    }
    std::optional<int> size;
    if (const auto text = args.value(QStringLiteral("--size"))) {
        bool ok = false;
        size = text->toInt(&ok);
        if (!ok || *size < 1 || *size > 10000)
            throw UsageError(QStringLiteral("--size: \"%1\" is not a size from 1 to 10000").arg(*text));
    }
    const FormatSettings regional = FormatSettings::fromLocale(LocaleOption(args));
    if (!QFileInfo(skinPath).isFile())
        throw Failure(QStringLiteral("cannot open \"%1\": no such file").arg(skinPath));

    // Fonts and painting need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "horavine-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    // The clock's own folder, found without creating it: a query must not fill the user's home.
    const AppDir appDir = AppFolder(AppFolder::currentPlace()).locate();
    // The skin fonts of that folder, as the clock adds them for its run.
    for (const QFileInfo& font : QDir(appDir.fontsFolder()).entryInfoList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(font.absoluteFilePath());
    SkinState state;
    const StaticFontCatalog fonts(QFontDatabase::families());
    SkinFile skins(state, appDir, fonts);
    skins.LoadSkin(skinPath, false);
    if (size && !args.flag(QStringLiteral("--gallery")))
        state.CurrentSkin.ClockSize = *size;

    QImage picture;
    if (args.flag(QStringLiteral("--gallery"))) {
        ReadoutFormat format;
        format.index = digitalFormat;
        format.regional = regional;
        picture = PhotographFace(state, appDir, moment, format, size.value_or(kGalleryPictureSize));
    } else if (args.flag(QStringLiteral("--picture-only"))) {
        const TimeParts t = DecodeTime(moment);
        picture = QImage(state.CurrentSkin.ClockSize, state.CurrentSkin.ClockSize, QImage::Format_RGB32);
        DrawFacePicture(picture, state.CurrentSkin, HourAngle(t.hour, t.minute), MinuteAngle(t.minute));
    } else {
        // The clock's own tick builds the face, so picture, overlay, marker and read-out follow
        // exactly the rules the window uses.
        FixedMomentHost host(moment, digitalFormat,
                             [] { std::fputs("horavine-cli: warning: Texture file not found.\n", stderr); });
        ClockFace face(state, appDir, host);
        face.setFormatSettings(regional);
        face.Timer1Timer(); // the first tick builds the face
        face.Timer1Timer(); // an ordinary tick places the marker and writes the read-out
        picture = face.surface().render();
    }
    writePicture(picture, *out);
    return 0;
}

} // namespace horavine::cli
