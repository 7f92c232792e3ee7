#include "face/ClockSkin.h"

#include <cstring>

namespace horavine {

TClockSkin TClockSkin::zeroed()
{
    TClockSkin skin;
    std::memset(static_cast<void*>(&skin), 0, sizeof skin);
    return skin;
}

TClockSkin TClockSkin::fromBytes(const QByteArray& bytes)
{
    Q_ASSERT(bytes.size() >= kSize);
    TClockSkin skin;
    std::memcpy(static_cast<void*>(&skin), bytes.constData(), kSize);
    return skin;
}

QByteArray TClockSkin::toBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(this), kSize);
}

TClockSkin DefaultSkin()
{
    TClockSkin s = TClockSkin::zeroed();
    s.MinStartColor = 0x00F0CAA6;
    s.MinMidPos = 50;
    s.MinEndColor = 0x00800000;
    s.OuterEdge = 60;
    s.HourStartColor = 0x00F0FBFF;
    s.HourMidPos = 50;
    s.HourEndColor = 0x00000080;
    s.InnerEdge = 50;
    s.TicsBandColor = 0;
    s.TicsColor = 0x00FFFFFF;
    s.SecColor = 0x000000FF;
    s.TicsWidth = 3;
    s.NotCircular = 1;
    s.Rounded = 0;
    s.SkinFlag50 = 1;
    s.SecStyle = ssEmptyCircle;
    s.ClockSize = 400;
    s.TextureName.setText(QStringLiteral("0"));
    s.TextureTransparency = 80;
    s.TextureColor = 0;
    s.DigPosition = dpMiddle;
    s.DigSize = 30;
    s.DigColor = 0;
    s.DigFont.setText(QStringLiteral("Arial"));
    s.Transparency = 0;
    return s;
}

} // namespace horavine
