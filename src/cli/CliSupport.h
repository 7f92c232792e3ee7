#pragma once

#include "common/DayCount.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

class QLocale;

namespace horavine::cli {

// A wrong call: the message goes to stderr with the usage hint and the tool exits with 2.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// A failure of the work itself (bad file, bad value): the tool exits with 1.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// The arguments of one command: positionals and --options, in any order.
class Arguments
{
public:
    // valueOptions take the next argument as their value; flagOptions take none.
    Arguments(const QStringList& args, const QStringList& valueOptions, const QStringList& flagOptions);

    const QStringList& positionals() const { return m_positionals; }
    QString positional(int index, const QString& what) const; // UsageError when missing
    std::optional<QString> value(const QString& option) const;
    bool flag(const QString& option) const { return m_flags.contains(option); }
    void expectPositionals(int min, int max) const;

private:
    QStringList m_positionals;
    QStringList m_flags;
    QList<QPair<QString, QString>> m_values;
};

// "YYYY-MM-DDThh:mm:ss" with an optional ".zzz", local time.
std::optional<TDateTime> ParseMoment(const QString& text);
TDateTime MomentOption(const Arguments& args, const QString& option); // required
QLocale LocaleOption(const Arguments& args);

void PrintOut(const QString& text); // UTF-8 to stdout

} // namespace horavine::cli
