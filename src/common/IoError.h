#pragma once

#include <QString>
#include <stdexcept>

namespace horavine {

// An input/output failure: ends the running operation; the caller shows its text
// (the application's standard error box, or the command-line tool's stderr line).
class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace horavine
