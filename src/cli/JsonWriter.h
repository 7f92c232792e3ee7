#pragma once

#include <QString>

namespace horavine::cli {

// A small JSON writer that keeps keys in the order they are written (QJsonObject sorts them,
// and a record reads best in field order).
class JsonWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const QString& name);
    void value(const QString& text);
    void value(qint64 number);
    void value(double number);

    const QString& text() const { return m_out; }

private:
    void beforeValue();
    void newline();
    void close(char bracket);

    QString m_out;
    int m_depth = 0;
    bool m_first = true;
    bool m_afterKey = false;
};

QString JsonQuote(const QString& text);

} // namespace horavine::cli
