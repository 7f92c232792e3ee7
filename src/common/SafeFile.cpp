#include "common/SafeFile.h"

#include "common/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace horavine {

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails only at the final flush goes unnoticed by
    // QSaveFile::commit (Qt 6.4), which would then rename a short file over the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IoError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw IoError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2").arg(path, reason));
    }
    if (!file.commit())
        throw IoError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2").arg(path, file.errorString()));
}

QByteArray ReadFileBytes(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QCoreApplication::translate("Files", "Cannot read \"%1\": %2").arg(path, file.errorString()));
    QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw IoError(QCoreApplication::translate("Files", "Cannot read \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

} // namespace horavine
