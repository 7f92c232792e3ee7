#pragma once

#include "common/AppDir.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace horavine {

// Decides where the clock keeps its skins, textures, fonts, alarms and settings. A copy whose
// executable lies beside its data in a folder it may write is portable and keeps everything
// there. An installed copy keeps the user's files in $XDG_DATA_HOME/horavine and fills that
// folder from the shipped data, so a read-only install never loses a save.
class AppFolder
{
public:
    // What the decision depends on; tests give their own.
    struct Place
    {
        QString executableFolder;
        QString dataHome; // $XDG_DATA_HOME; counts only when absolute
        QString home; // $HOME
        std::function<bool(const QString& folder)> canWrite = CanWriteFolder;
    };

    static Place currentPlace(); // needs a QCoreApplication
    // A real probe: permission bits say little about read-only mounts, ACLs or root.
    static bool CanWriteFolder(const QString& folder);

    explicit AppFolder(Place place);

    bool isPortable() const;
    QString userFolder() const;
    // ../share/horavine beside the executable; for a read-only portable copy, its own folder.
    QString shippedFolder() const;

    // The folder to use. For an installed copy the user folder is created and every shipped file
    // it lacks is copied in, file by file, never replacing or deleting anything: galleries of a
    // newer version appear beside the user's own files. What fails is added to problems; the
    // clock starts all the same.
    AppDir prepare(QStringList& problems) const;
    // The same folder without writing anything (for the command-line tool): the shipped data
    // while the user folder does not exist yet.
    AppDir locate() const;

private:
    bool shipsFromExecutableFolder() const;

    Place m_place;
};

// Copies every file under from that is missing under to, creating folders as needed; existing
// files are never replaced and nothing is deleted. Copies are made writable for their owner, so
// a shipped skin can be saved over. Top-level entries named in skipped are left out. Returns the
// number of files copied; each failure is added to problems.
int CopyMissingFiles(const QString& from, const QString& to, QStringList& problems, const QStringList& skipped = {});

} // namespace horavine
