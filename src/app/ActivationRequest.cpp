// The two messages of the single-instance channel, the same on every system.
#include "app/ActivationListener.h"

#include <QFile>

namespace horavine {

QByteArray ActivationListener::request(const QString& file)
{
    if (file.isEmpty())
        return QByteArray(kRequest);
    return QByteArray(kOpenRequest) + QFile::encodeName(file) + '\n';
}

std::optional<QString> ActivationListener::understand(const QByteArray& line)
{
    if (line == kRequest)
        return QString();
    const QByteArray open(kOpenRequest);
    if (!line.startsWith(open) || !line.endsWith('\n') || line.size() > kMaxRequestBytes)
        return std::nullopt;
    // Only an absolute path, and nothing a path of the clock's own would not hold.
    const QByteArray path = line.mid(open.size(), line.size() - open.size() - 1);
    if (!path.startsWith('/') || path.contains('\0') || path.contains('\r') || path.contains('\n'))
        return std::nullopt;
    return QFile::decodeName(path);
}

} // namespace horavine
