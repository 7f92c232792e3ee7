#include "common/ShortString.h"

#include <QStringDecoder>

namespace horavine {

namespace {

// Qt's converters know no Windows-1252 without ICU; it is Latin-1 except for 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

QString decodeCp1252(const char* bytes, int length)
{
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return out;
}

} // namespace

QString DecodeRecordText(const char* bytes, int length)
{
    if (length <= 0)
        return {};
    // ConvertInitialBom: a text that begins with U+FEFF keeps it; Qt's decoder would drop it as a
    // byte order mark, and the text would no longer read as it was written.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(bytes, length));
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes, length);
}

QByteArray EncodeRecordText(const QString& text, int capacity)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= capacity)
        return utf8;
    int cut = capacity;
    // Step back over continuation bytes (10xxxxxx) to the start of the character that does not fit.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return utf8;
}

} // namespace horavine
