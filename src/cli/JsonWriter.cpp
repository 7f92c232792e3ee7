#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace horavine::cli {

QString JsonQuote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

void JsonWriter::newline()
{
    m_out += QLatin1Char('\n');
    m_out += QString(m_depth * 2, QLatin1Char(' '));
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_depth > 0) {
        if (!m_first)
            m_out += QLatin1Char(',');
        newline();
    }
    m_first = false;
}

void JsonWriter::beginObject()
{
    beforeValue();
    m_out += QLatin1Char('{');
    ++m_depth;
    m_first = true;
}

void JsonWriter::close(char bracket)
{
    --m_depth;
    if (!m_first)
        newline();
    m_out += QLatin1Char(bracket);
    m_first = false;
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray()
{
    beforeValue();
    m_out += QLatin1Char('[');
    ++m_depth;
    m_first = true;
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::key(const QString& name)
{
    beforeValue();
    m_out += JsonQuote(name);
    m_out += QLatin1String(": ");
    m_afterKey = true;
}

void JsonWriter::value(const QString& text)
{
    beforeValue();
    m_out += JsonQuote(text);
}

void JsonWriter::value(qint64 number)
{
    beforeValue();
    m_out += QString::number(number);
}

void JsonWriter::value(double number)
{
    beforeValue();
    if (!std::isfinite(number)) {
        m_out += QLatin1String("null"); // JSON has no NaN or infinity
        return;
    }
    char buffer[32];
    // Shortest text that reads back as the same double.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    m_out += QLatin1String(buffer, result.ptr - buffer);
}

} // namespace horavine::cli
