// Which language the clock speaks: the first of the user's languages it has a translation for,
// with Qt's own translation beside it; English otherwise. And under the environment's language, the
// options window's pages and the tray menu say what the translation file says.

#include "TsFile.h"
#include "app/ClockWindowFixture.h"
#include "app/Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

// Every translator the application has, taken away again: the next test starts in English.
void RemoveTranslators()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A German translation of one word, compiled as the build compiles ours.
bool MakeGermanFile(const QString& folder)
{
    QFile ts(folder + QStringLiteral("/horavine_de.ts"));
    if (!ts.open(QIODevice::WriteOnly))
        return false;
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context><name>horavine::TfrmZavIro</name>
<message><source>Exit</source><translation>Beenden</translation></message>
</context>
</TS>
)");
    ts.close();
    QProcess lrelease;
    lrelease.start(
        QStringLiteral(HORAVINE_LRELEASE),
        {QStringLiteral("-silent"), ts.fileName(), QStringLiteral("-qm"), folder + QStringLiteral("/horavine_de.qm")});
    return lrelease.waitForFinished(60000) && lrelease.exitCode() == 0;
}

TEST(Language, FirstTranslatedLanguageOfTheUserWinsAndEnglishLoadsNothing)
{
    EnsureApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(MakeGermanFile(folder.path()));
    struct Row
    {
        QStringList uiLanguages;
        QString loaded; // empty: English, nothing loaded
    };
    const Row rows[] = {
        {{QStringLiteral("de-DE")}, QStringLiteral("de")},
        {{QStringLiteral("de_AT"), QStringLiteral("en-US")}, QStringLiteral("de")},
        {{QStringLiteral("it-IT"), QStringLiteral("de-DE")}, QStringLiteral("de")}, // no Italian: the next
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, QString()}, // English first: the sources
        {{QStringLiteral("C")}, QString()},
        {{QStringLiteral("it-IT"), QStringLiteral("pt-BR")}, QString()}, // none translated: English
        {{}, QString()},
    };
    for (const Row& row : rows) {
        const QString loaded = InstallTranslations(*QCoreApplication::instance(), row.uiLanguages, folder.path());
        EXPECT_EQ(loaded, row.loaded) << qPrintable(row.uiLanguages.join(u' '));
        const bool german = !row.loaded.isEmpty();
        EXPECT_EQ(QCoreApplication::translate("horavine::TfrmZavIro", "Exit"),
                  german ? QStringLiteral("Beenden") : QStringLiteral("Exit"));
        // Qt's own buttons follow.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
        RemoveTranslators();
    }
}

// Run by ctest under LANG=de_DE.UTF-8, fr_FR.UTF-8, es_ES.UTF-8 and C.UTF-8, with
// HORAVINE_TEST_LANGUAGE naming the translation expected (empty for C).
class EnvironmentLanguage : public ClockWindowFixture
{
};

TEST_F(EnvironmentLanguage, PageNamesAndTrayMenuFollowTheTranslationFile)
{
    if (!qEnvironmentVariableIsSet("HORAVINE_TEST_LANGUAGE"))
        GTEST_SKIP() << "run by ctest under a chosen LANG (i18n.language.*)";
    const QString language = qEnvironmentVariable("HORAVINE_TEST_LANGUAGE");
    const TsFile ts = language.isEmpty() ? TsFile() : TsFile::read(TsPath(language));
    ASSERT_TRUE(ts.error.isEmpty()) << qPrintable(ts.error);
    // The clock's own choice, from the environment, with the translations built into it; a file
    // with nothing translated yet leaves the clock English.
    const bool anyFinished
        = std::any_of(ts.messages.cbegin(), ts.messages.cend(), [](const TsMessage& m) { return m.finished(); });
    EXPECT_EQ(InstallTranslations(*QCoreApplication::instance()), anyFinished ? language : QString());

    const QStringList pages = {QStringLiteral("Skin Design"), QStringLiteral("Skin Galleries"),
                               QStringLiteral("  Alarms  "), QStringLiteral("  Help   ")};
    const QStringList menu
        = {QStringLiteral("Show"), QStringLiteral("Hide"), QStringLiteral("Options"), QStringLiteral("Exit")};
    // What a reader of the file expects: the finished translation, or the English text.
    QStringList expectedPages = pages;
    QStringList expectedMenu = menu;
    if (!language.isEmpty()) {
        const TsTranslator file(ts);
        for (QString& page : expectedPages) {
            const QString translated = file.translate("horavine::TfrmOptions", page.toUtf8().constData(), nullptr, -1);
            if (!translated.isEmpty())
                page = translated;
        }
        for (QString& entry : expectedMenu) {
            const QString translated = file.translate("horavine::TfrmZavIro", entry.toUtf8().constData(), nullptr, -1);
            if (!translated.isEmpty())
                entry = translated;
        }
    }

    start();
    QStringList shownPages;
    for (int i = 0; i < options()->pcOptions->count(); ++i)
        shownPages.append(options()->pcOptions->tabText(i));
    QStringList shownMenu;
    for (QAction* action : window->PopupMenu1->actions()) {
        if (!action->isSeparator())
            shownMenu.append(action->text());
    }
    EXPECT_EQ(shownPages, expectedPages);
    EXPECT_EQ(shownMenu, expectedMenu);
    if (language.isEmpty()) {
        EXPECT_EQ(shownPages, pages);
        EXPECT_EQ(shownMenu, menu);
    }
    window.reset();
    RemoveTranslators();
}

} // namespace
} // namespace horavine::test
