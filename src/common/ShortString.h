#pragma once

// Short strings of the records: one length byte, then a fixed capacity of 8-bit text.
// Text is stored as UTF-8; bytes that are not valid UTF-8 (files from older installs,
// written in the Windows ANSI code page) are read as Windows-1252.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace horavine {

QString DecodeRecordText(const char* bytes, int length);
// UTF-8 of text, cut to at most capacity bytes on a character boundary.
QByteArray EncodeRecordText(const QString& text, int capacity);

template <std::size_t Capacity>
struct ShortString
{
    static constexpr int capacity = static_cast<int>(Capacity);

    std::uint8_t length;
    char chars[Capacity];

    // The stored bytes; a damaged length beyond the capacity is read as the capacity.
    QByteArray bytes() const { return QByteArray(chars, storedLength()); }
    QString text() const { return DecodeRecordText(chars, storedLength()); }

    // Writes the length and the characters and clears the bytes behind them, so that a field
    // rewritten to the same text (a texture name expanded on loading and shortened on saving)
    // comes back as the same bytes.
    void setText(const QString& text) { setBytes(EncodeRecordText(text, capacity)); }

    void setBytes(const QByteArray& raw)
    {
        const int n = raw.size() < capacity ? int(raw.size()) : capacity;
        length = static_cast<std::uint8_t>(n);
        for (int i = 0; i < capacity; ++i)
            chars[i] = i < n ? raw[i] : '\0';
    }

    int storedLength() const { return length < capacity ? length : capacity; }
};

} // namespace horavine
