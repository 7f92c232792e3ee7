#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace horavine {

namespace {

// "de-DE" and "de_DE" try the country's own file first, then the language's.
QStringList Candidates(const QString& uiLanguage)
{
    const QString name = QLocale(uiLanguage).name(); // de_DE
    QStringList names;
    for (const QString& candidate : {QString(uiLanguage).replace(u'-', u'_'), name, name.section(u'_', 0, 0)}) {
        if (!candidate.isEmpty() && !names.contains(candidate))
            names.append(candidate);
    }
    return names;
}

bool Install(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages, const QString& ours)
{
    for (const QString& uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        // The sources are English: a user who reads English first gets them as they are.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        for (const QString& name : Candidates(uiLanguage)) {
            const QString file = QStringLiteral("horavine_") + name;
            if (!QFileInfo::exists(ours + QLatin1Char('/') + file + QStringLiteral(".qm")))
                continue;
            if (!Install(app, file, ours))
                continue;
            // Qt's standard buttons, colour and file dialogs, context menus. Missing is no error:
            // the clock's own texts are translated all the same.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            for (const QString& qtName : Candidates(name)) {
                if (Install(app, QStringLiteral("qtbase_") + qtName, qtFolder))
                    break;
            }
            return name;
        }
    }
    return {};
}

} // namespace horavine
