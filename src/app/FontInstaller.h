#pragma once

// The skin fonts: every Fonts/*.ttf beside the executable is made available to this process
// from the main window's creation to its close.

#include "app/FontRegistry.h"
#include "app/SystemFontCatalog.h"
#include "common/AppDir.h"

#include <QString>
#include <QStringList>

namespace horavine {

// <AppDir>Fonts/MissingFonts.txt
QString MissingFontsPath(const AppDir& appDir);

// install: adds every *.ttf of the Fonts folder (letter case ignored, listing order) by its
// full path, so fonts that lie only beside the executable are found, and keeps their ids in
// the registry. Returns the bare names that could not be added. Unless the registry is in
// diagnostic mode, those names replace MissingFonts.txt, one per line; with none failing an
// older file is left alone. No Fonts folder: nothing happens.
// Throws IoError when MissingFonts.txt cannot be written; the fonts added stay added.
// !install: removes every font the registry holds and returns an empty list.
// Needs a QGuiApplication.
QStringList InstallFonts(const AppDir& appDir, bool install, FontRegistry& registry);

} // namespace horavine
