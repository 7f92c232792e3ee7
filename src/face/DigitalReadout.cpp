#include "face/DigitalReadout.h"

#include "face/FaceGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace horavine {

QFont DigitalReadout::font() const
{
    QFont result;
    if (FontName.compare(QLatin1String("Default"), Qt::CaseInsensitive) != 0)
        result.setFamily(FontName);
    result.setPointSize(std::clamp(FontSize, 1, 1000));
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    return result;
}

int CharacterHeight(int points, int dpiY)
{
    return NearestInt(double(points) * dpiY / 72.0);
}

int ScreenDpiY()
{
    if (qGuiApp != nullptr) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return qRound(screen->logicalDotsPerInchY());
    }
    return 96;
}

} // namespace horavine
