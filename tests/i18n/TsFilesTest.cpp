// The translation files: in step with the sources, nothing left unfinished, and every translation
// keeps the placeholders of its source text.

#include "TsFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

QString Describe(const TsMessage& message)
{
    return message.context + QStringLiteral(": \"") + message.source.left(60) + QLatin1Char('"');
}

// What lupdate finds in the sources now, read back from a fresh file of its own.
QSet<QString> SourceKeys(const QString& language, QString& error)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("horavine_%1.ts").arg(language));
    QStringList arguments = {QStringLiteral("-no-obsolete"),
                             QStringLiteral("-locations"),
                             QStringLiteral("none"),
                             QStringLiteral("-source-language"),
                             QStringLiteral("en"),
                             QStringLiteral("-I"),
                             QStringLiteral(HORAVINE_SOURCE_DIR "/src")};
    // The same folders as the build's lupdate: everything but horavine-cli.
    for (const char* folder : {"common", "face", "alarms", "app", "designer", "controls", "timer", "sound"})
        arguments.append(QStringLiteral(HORAVINE_SOURCE_DIR "/src/") + QLatin1String(folder));
    arguments << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(HORAVINE_LUPDATE), arguments);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        error = QString::fromLocal8Bit(lupdate.readAllStandardError());
        return {};
    }
    QSet<QString> keys;
    for (const TsMessage& message : TsFile::read(fresh).messages)
        keys.insert(message.key());
    return keys;
}

class TranslationFile : public ::testing::TestWithParam<QString>
{
};

TEST_P(TranslationFile, HoldsEveryTextOfTheSourcesAndNoOther)
{
    const TsFile ts = TsFile::read(TsPath(GetParam()));
    ASSERT_TRUE(ts.error.isEmpty()) << qPrintable(ts.error);
    QString error;
    const QSet<QString> sources = SourceKeys(GetParam(), error);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(error);
    ASSERT_FALSE(sources.isEmpty());
    QSet<QString> inFile;
    for (const TsMessage& message : ts.messages) {
        inFile.insert(message.key());
        EXPECT_TRUE(message.type != QLatin1String("vanished") && message.type != QLatin1String("obsolete"))
            << "no source has it any more (run make translations): " << qPrintable(Describe(message));
        EXPECT_TRUE(sources.contains(message.key()))
            << "no source has it (run make translations): " << qPrintable(Describe(message));
    }
    for (const QString& key : sources) {
        EXPECT_TRUE(inFile.contains(key)) << "a source text is missing (run make translations): "
                                          << qPrintable(key.section(QLatin1Char('\x1f'), 0, 1));
    }
}

TEST_P(TranslationFile, KeepsThePlaceholdersOfEachSource)
{
    const TsFile ts = TsFile::read(TsPath(GetParam()));
    ASSERT_TRUE(ts.error.isEmpty()) << qPrintable(ts.error);
    for (const TsMessage& message : ts.messages) {
        if (!message.finished())
            continue;
        const QStringList wanted = TsFile::placeholders(message.source);
        for (const QString& translation : message.translations) {
            EXPECT_EQ(TsFile::placeholders(translation), wanted)
                << qPrintable(Describe(message)) << " -> \"" << qPrintable(translation) << '"';
        }
    }
}

// Fails until the translators are done: every entry of the file needs its translation.
TEST_P(TranslationFile, LeavesNothingUnfinished)
{
    const TsFile ts = TsFile::read(TsPath(GetParam()));
    ASSERT_TRUE(ts.error.isEmpty()) << qPrintable(ts.error);
    QStringList unfinished;
    for (const TsMessage& message : ts.messages) {
        const bool empty = std::all_of(message.translations.cbegin(), message.translations.cend(),
                                       [](const QString& text) { return text.isEmpty(); });
        if (!message.finished() || empty)
            unfinished.append(Describe(message));
    }
    EXPECT_TRUE(unfinished.isEmpty()) << unfinished.size() << " of " << ts.messages.size()
                                      << " entries are not translated, the first: " << qPrintable(unfinished.value(0));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::ValuesIn(TranslatedLanguages()),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
} // namespace horavine::test
