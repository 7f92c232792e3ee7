#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace horavine {

// The clock speaks the first of the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt
// reads them) that it has a translation for, and Qt's own dialogs and buttons follow with Qt's
// translation of that language. English, C, or no translated language: nothing is loaded, and the
// texts stay the English of the sources.
// Returns the language loaded ("de", "fr_CA", ...), or an empty string for English. The clock's
// compiled translations are built into its resources; a test may name another folder.
QString InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages = QLocale::system().uiLanguages(),
                            const QString& folder = QStringLiteral(":/i18n"));

} // namespace horavine
