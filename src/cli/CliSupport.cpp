#include "cli/CliSupport.h"

#include <QLocale>
#include <QRegularExpression>
#include <cstdio>

namespace horavine::cli {

Arguments::Arguments(const QStringList& args, const QStringList& valueOptions, const QStringList& flagOptions)
{
    bool onlyPositionals = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (onlyPositionals) {
            m_positionals.append(a);
        } else if (a == QLatin1String("--")) {
            onlyPositionals = true; // what follows may start with '-' (a pattern, a file name)
        } else if (valueOptions.contains(a)) {
            if (i + 1 >= args.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(a));
            m_values.append({a, args[++i]});
        } else if (flagOptions.contains(a)) {
            m_flags.append(a);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            throw UsageError(QStringLiteral("unknown option %1").arg(a));
        } else {
            m_positionals.append(a);
        }
    }
}

QString Arguments::positional(int index, const QString& what) const
{
    if (index >= m_positionals.size())
        throw UsageError(QStringLiteral("missing %1").arg(what));
    return m_positionals[index];
}

std::optional<QString> Arguments::value(const QString& option) const
{
    std::optional<QString> result;
    for (const auto& [name, v] : m_values) {
        if (name == option)
            result = v;
    }
    return result;
}

void Arguments::expectPositionals(int min, int max) const
{
    if (m_positionals.size() < min)
        throw UsageError(QStringLiteral("missing arguments"));
    if (max >= 0 && m_positionals.size() > max)
        throw UsageError(QStringLiteral("unexpected argument %1").arg(m_positionals[max]));
}

std::optional<TDateTime> ParseMoment(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})(?:\\.(\\d{1,3}))?$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int year = m.captured(1).toInt(), month = m.captured(2).toInt(), day = m.captured(3).toInt();
    const int hour = m.captured(4).toInt(), minute = m.captured(5).toInt(), second = m.captured(6).toInt();
    int msec = 0;
    if (m.hasCaptured(7))
        msec = m.captured(7).leftJustified(3, QLatin1Char('0')).toInt();
    if (year < 1 || !IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return EncodeDateTime(year, month, day, hour, minute, second, msec);
}

TDateTime MomentOption(const Arguments& args, const QString& option)
{
    const auto text = args.value(option);
    if (!text)
        throw UsageError(QStringLiteral("%1 MOMENT is required").arg(option));
    const auto moment = ParseMoment(*text);
    if (!moment)
        throw UsageError(QStringLiteral("%1: \"%2\" is not a moment (YYYY-MM-DDThh:mm:ss[.zzz])").arg(option, *text));
    return *moment;
}

QLocale LocaleOption(const Arguments& args)
{
    const auto name = args.value(QStringLiteral("--locale"));
    if (!name)
        return QLocale::system();
    const QLocale locale(*name);
    const bool asksForC = name->compare(QLatin1String("C"), Qt::CaseInsensitive) == 0
        || name->compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0;
    if (locale.language() == QLocale::C && !asksForC)
        throw UsageError(QStringLiteral("--locale: unknown locale \"%1\"").arg(*name));
    return locale;
}

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

} // namespace horavine::cli
