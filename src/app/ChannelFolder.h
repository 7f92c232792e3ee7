#pragma once

// The folder that holds the single-instance record and socket. Only its owner may enter it, so
// no other user can read the record, connect to the socket or plant names of their own there.

#include <QString>

namespace horavine {

class ChannelFolder
{
public:
    // The first usable of: "horavine" inside runtimeDir, when runtimeDir is the user's own
    // private folder; then "horavine-<uid>", "horavine-<uid>.1", ... inside tempDir. A name that
    // another user took first (or a link, a file, a folder others may enter) is passed over, so
    // squatting one name cannot keep the clock from starting. Every start of one user walks the
    // same list and stops at the same folder. Empty when no candidate is usable.
    static QString locate(const QString& runtimeDir, const QString& tempDir);
    // From $XDG_RUNTIME_DIR and the system's temporary folder.
    static QString forCurrentUser();

    // A real folder (not a link), owned by the effective user, closed to group and others.
    static bool isPrivate(const QString& path);

    static constexpr int kTempCandidates = 8;
    // A local socket's path must fit in 107 bytes: the folder leaves room for the longest name
    // put inside it ("/" + instance key + "-" + process id).
    static constexpr int kMaxPathLength = 46;
};

} // namespace horavine
