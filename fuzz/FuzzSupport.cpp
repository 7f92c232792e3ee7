#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace horavine::fuzz {

namespace {

QTemporaryDir& scratch()
{
    // Static, so the folder goes when libFuzzer ends the process through exit(). In memory where
    // the system has such a folder: the readers' atomic saves flush to disk, which would make
    // a disk-backed folder the slowest part of every run.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/horavine-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/horavine-fuzz-XXXXXX"));
    if (!dir.isValid())
        Fail("cannot create a scratch folder");
    return dir;
}

} // namespace

void StartApplication(bool gui)
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // Qt's messages about damaged pictures would flood the fuzzer's own output.
    qputenv("QT_LOGGING_RULES", QByteArrayLiteral("*=false"));
    static int argc = 1;
    static char name[] = "horavine-fuzz";
    static char* argv[] = {name, nullptr};
    // Never deleted: the application lives as long as the process, as in the clock.
    if (gui)
        new QGuiApplication(argc, argv);
    else
        new QCoreApplication(argc, argv);
}

QString ScratchFolder()
{
    return scratch().path();
}

QString WriteInput(const std::uint8_t* data, std::size_t size, const QString& name)
{
    const QString path = scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Fail("cannot write the input file");
    const auto length = static_cast<qint64>(size);
    if (file.write(reinterpret_cast<const char*>(data), length) != length)
        Fail("cannot write the input file");
    return path;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

} // namespace horavine::fuzz
