#include "face/SkinFields.h"

#include <cstring>
#include <limits>

namespace horavine {

namespace {

#define HV_FIELD(name, kind) SkinField{#name, SkinFieldKind::kind, offsetof(TClockSkin, name), 0}
#define HV_TEXT(name) \
    SkinField{#name, SkinFieldKind::Text, offsetof(TClockSkin, name), decltype(TClockSkin::name)::capacity}

const SkinField kFields[] = {
    HV_FIELD(MinStartColor, Color),
    HV_FIELD(MinMidPos, Int32),
    HV_FIELD(MinEndColor, Color),
    HV_FIELD(OuterEdge, Int32),
    HV_FIELD(HourStartColor, Color),
    HV_FIELD(HourMidPos, Int32),
    HV_FIELD(HourEndColor, Color),
    HV_FIELD(InnerEdge, Int32),
    HV_FIELD(TicsBandColor, Color),
    HV_FIELD(TicsColor, Color),
    HV_FIELD(SecColor, Color),
    HV_FIELD(TicsWidth, Int32),
    HV_FIELD(NotCircular, Byte),
    HV_FIELD(Rounded, Byte),
    HV_FIELD(SkinFlag50, Byte),
    HV_FIELD(SecStyle, Int32),
    HV_FIELD(ClockSize, Int32),
    HV_TEXT(TextureName),
    HV_FIELD(TextureTransparency, Int32),
    HV_FIELD(TextureColor, Color),
    HV_FIELD(DigPosition, Int32),
    HV_FIELD(DigSize, Int32),
    HV_FIELD(DigColor, Color),
    HV_TEXT(DigFont),
    HV_FIELD(Transparency, Byte),
};

#undef HV_FIELD
#undef HV_TEXT

const unsigned char* at(const TClockSkin& skin, const SkinField& f)
{
    return reinterpret_cast<const unsigned char*>(&skin) + f.offset;
}

unsigned char* at(TClockSkin& skin, const SkinField& f)
{
    return reinterpret_cast<unsigned char*>(&skin) + f.offset;
}

// Multi-byte fields are little-endian in the record whatever the host.
quint32 readLe32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

void writeLe32(unsigned char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

void setText(TClockSkin& skin, const SkinField& f, const QString& value)
{
    const QByteArray bytes = EncodeRecordText(value, f.capacity);
    unsigned char* p = at(skin, f);
    p[0] = static_cast<unsigned char>(bytes.size());
    std::memset(p + 1, 0, static_cast<std::size_t>(f.capacity));
    std::memcpy(p + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

std::span<const SkinField> SkinFieldTable()
{
    return kFields;
}

const SkinField* FindSkinField(QStringView name)
{
    for (const SkinField& f : kFields) {
        if (name.compare(QLatin1StringView(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QString ColorToText(TColor color)
{
    const quint32 r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF, top = color >> 24;
    const quint32 rgb = r << 16 | g << 8 | b;
    if (top != 0)
        return QStringLiteral("#%1%2").arg(top, 2, 16, QLatin1Char('0')).arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> ColorFromText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('#')) || (text.size() != 7 && text.size() != 9))
        return std::nullopt;
    bool ok = false;
    const quint32 v = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    const quint32 r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF, top = v >> 24;
    return TColor(top << 24 | b << 16 | g << 8 | r);
}

qint64 SkinFieldNumber(const TClockSkin& skin, const SkinField& field)
{
    const unsigned char* p = at(skin, field);
    switch (field.kind) {
    case SkinFieldKind::Color:
        return readLe32(p);
    case SkinFieldKind::Int32:
        return static_cast<qint32>(readLe32(p));
    case SkinFieldKind::Byte:
        return p[0];
    case SkinFieldKind::Text:
        break;
    }
    return 0;
}

QString SkinFieldString(const TClockSkin& skin, const SkinField& field)
{
    const unsigned char* p = at(skin, field);
    const int length = p[0] < field.capacity ? p[0] : field.capacity;
    return DecodeRecordText(reinterpret_cast<const char*>(p + 1), length);
}

QString SetSkinFieldFromText(TClockSkin& skin, const SkinField& field, const QString& value)
{
    const QString name = QLatin1StringView(field.name);
    switch (field.kind) {
    case SkinFieldKind::Color: {
        const auto color = ColorFromText(value);
        if (!color)
            return QStringLiteral("%1: \"%2\" is not a colour (#RRGGBB)").arg(name, value);
        writeLe32(at(skin, field), *color);
        return {};
    }
    case SkinFieldKind::Int32:
    case SkinFieldKind::Byte: {
        bool ok = false;
        const qint64 v = value.toLongLong(&ok, 10);
        const qint64 lo = field.kind == SkinFieldKind::Byte ? 0 : std::numeric_limits<qint32>::min();
        const qint64 hi = field.kind == SkinFieldKind::Byte ? 255 : std::numeric_limits<qint32>::max();
        if (!ok || v < lo || v > hi)
            return QStringLiteral("%1: \"%2\" is not a number from %3 to %4").arg(name, value).arg(lo).arg(hi);
        if (field.kind == SkinFieldKind::Byte)
            at(skin, field)[0] = static_cast<unsigned char>(v);
        else
            writeLe32(at(skin, field), static_cast<quint32>(static_cast<qint32>(v)));
        return {};
    }
    case SkinFieldKind::Text:
        setText(skin, field, value);
        return {};
    }
    return {};
}

} // namespace horavine
