#include "app/FontInstaller.h"

#include "common/FileList.h"
#include "common/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>

namespace horavine {

QString MissingFontsPath(const AppDir& appDir)
{
    return appDir.fontsFolder() + QStringLiteral("MissingFonts.txt");
}

QStringList InstallFonts(const AppDir& appDir, bool install, FontRegistry& registry)
{
    if (!install) {
        // By id rather than by listing the folder again: a folder renamed while the clock ran
        // must not leave its fonts behind.
        for (int id : registry.takeAll())
            QFontDatabase::removeApplicationFont(id);
        return {};
    }

    const QString folder = appDir.fontsFolder();
    QStringList files;
    if (!ListFiles(folder, QStringLiteral("*.ttf"), files))
        return {};

    QStringList missing;
    for (const QString& name : files) {
        const int id = QFontDatabase::addApplicationFont(folder + name);
        if (id >= 0) {
            registry.add(id);
            continue;
        }
        missing.append(name);
        if (registry.diagnosticMessage)
            registry.diagnosticMessage(QCoreApplication::translate("FontInstaller", "Missing font - %1").arg(name));
    }

    // Written once, after every font has had its turn, so that a file we cannot write does not
    // also cost the fonts listed after the failing one.
    if (!missing.isEmpty() && !registry.diagnosticMessage) {
        QByteArray text;
        for (const QString& name : missing)
            text += name.toUtf8() + "\r\n";
        WriteFileAtomically(MissingFontsPath(appDir), text);
    }
    return missing;
}

} // namespace horavine
