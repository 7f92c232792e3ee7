#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/AutostartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace horavine::cli {

namespace {

// The clock beside this tool (a portable copy or an install puts them together), else the one
// on the PATH: the session starts it long after this shell's working folder is gone, so the
// path is absolute.
QString clockExecutable()
{
    int argc = 1;
    char name[] = "horavine-cli";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("horavine"));
    if (QFileInfo(beside).isExecutable() && QFileInfo(beside).isFile())
        return QFileInfo(beside).absoluteFilePath();
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("horavine"));
    if (onPath.isEmpty())
        throw Failure(QStringLiteral("cannot find the clock: no \"horavine\" beside this tool (%1) nor on the PATH")
                          .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    return QFileInfo(onPath).absoluteFilePath();
}

int printStatus()
{
    const AutostartEntry entry = AutostartEntry::current();
    PrintOut(
        QStringLiteral("%1\t%2\n")
            .arg(entry.isOn() ? QStringLiteral("on") : QStringLiteral("off"), QDir::toNativeSeparators(entry.path())));
    return 0;
}

} // namespace

int RunAutostartOn(const Arguments& args)
{
    args.expectPositionals(0, 0);
    AutostartEntry::current().turnOn(clockExecutable());
    return printStatus();
}

int RunAutostartOff(const Arguments& args)
{
    args.expectPositionals(0, 0);
    AutostartEntry::current().turnOff();
    return printStatus();
}

int RunAutostartStatus(const Arguments& args)
{
    args.expectPositionals(0, 0);
    return printStatus();
}

} // namespace horavine::cli
