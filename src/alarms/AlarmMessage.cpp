#include "alarms/AlarmMessage.h"

#include <QCoreApplication>
#include <algorithm>

namespace horavine {

namespace {

QString Ringing(const QString& name)
{
    //: The alarm window's text when the alarm has no picture; %1 is the alarm's name. The window shows only
    //: what follows the last "/", "\\" or ":", so the text must not hold these characters.
    return QCoreApplication::translate("AlarmMessage", "Rinnnng... (%1)").arg(name);
}

} // namespace

QString DocumentFallbackText(const QString& name)
{
    return QLatin1Char(' ') + Ringing(name);
}

QString AlarmMessage(const QString& visualFile, const QString& name)
{
    const bool hasText = std::any_of(visualFile.begin(), visualFile.end(), [](QChar c) {
        return c != QLatin1Char(' ') && c.category() != QChar::Other_Control;
    });
    return hasText ? visualFile : Ringing(name);
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
