#include "common/ShortString.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace horavine;

namespace {

ShortString<12> shortString(const QByteArray& stored, int length)
{
    ShortString<12> s;
    std::memset(&s, 0, sizeof s);
    s.length = static_cast<std::uint8_t>(length);
    std::memcpy(s.chars, stored.constData(), static_cast<std::size_t>(qMin<qsizetype>(stored.size(), 12)));
    return s;
}

} // namespace

TEST(ShortString, StoresUtf8CutOnACharacterBoundary)
{
    struct Row
    {
        QString text;
        QByteArray stored;
    };
    const Row rows[] = {
        {QStringLiteral("Wake up"), "Wake up"},
        {QStringLiteral("Twenty characters!!!"), "Twenty chara"},
        {QStringLiteral("Grüße aus Köln"), QByteArray("Grüße aus ")}, // 11 bytes; "K" would make 12, "ö" 13
        {QStringLiteral("€€€€€"), QByteArray("€€€€")},                // 3 bytes each: 4 fit in 12
        {QString(), QByteArray()},
    };
    for (const Row& r : rows) {
        ShortString<12> s = shortString({}, 0);
        s.setText(r.text);
        EXPECT_EQ(s.bytes(), r.stored) << r.text.toStdString();
        EXPECT_TRUE(r.text.startsWith(s.text()));
    }
}

TEST(ShortString, TextReadsBackAsWritten)
{
    // U+FEFF is an ordinary character inside a record, even at its start: it is not a byte order mark there.
    const QString texts[] = {
        QStringLiteral("\uFEFFAlarm"),
        QStringLiteral("\uFEFF\uFEFF"),
        QStringLiteral("a\uFEFFb"),
        QStringLiteral("Zähler"),
    };
    for (const QString& text : texts) {
        ShortString<12> s = shortString({}, 0);
        s.setText(text);
        EXPECT_EQ(s.text(), text) << s.bytes().toHex().toStdString();
    }
}

TEST(ShortString, ReadsOldAnsiTextAsWindows1252)
{
    // "Café ½ €" as written by an old Windows install: not valid UTF-8.
    const ShortString<12> s = shortString(QByteArray("Caf\xE9 \xBD \x80"), 8);
    EXPECT_EQ(s.text(), QString::fromUtf8("Café ½ €"));
}

TEST(ShortString, DamagedLengthIsReadAsTheCapacity)
{
    const ShortString<12> s = shortString(QByteArray("abcdefghijkl"), 200);
    EXPECT_EQ(s.text(), QStringLiteral("abcdefghijkl"));
}

TEST(ShortString, SettingTextClearsTheBytesBehindTheLength)
{
    ShortString<12> s = shortString(QByteArray("abcdefghijkl"), 12);
    s.setText(QStringLiteral("xy"));
    EXPECT_EQ(s.text(), QStringLiteral("xy"));
    EXPECT_EQ(QByteArray(s.chars, 12), QByteArray("xy").leftJustified(12, '\0'));
}
