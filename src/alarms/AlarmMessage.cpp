#include "alarms/AlarmMessage.h"

#include <algorithm>

namespace horavine {

QString DocumentFallbackText(const QString& name)
{
    return QStringLiteral(" Rinnnng... (") + name + QLatin1Char(')');
}

QString AlarmMessage(const QString& visualFile, const QString& name)
{
    const bool hasText = std::any_of(visualFile.begin(), visualFile.end(), [](QChar c) {
        return c != QLatin1Char(' ') && c.category() != QChar::Other_Control;
    });
    return hasText ? visualFile : QStringLiteral("Rinnnng... (") + name + QLatin1Char(')');
}

QString AlarmLabelText(const QString& message)
{
    qsizetype start = 0;
    for (qsizetype i = message.size() - 1; i >= 0; --i) {
        const QChar c = message[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':')) {
            start = i + 1;
            break;
        }
    }
    return QLatin1Char(' ') + message.mid(start) + QLatin1Char(' ');
}

} // namespace horavine
