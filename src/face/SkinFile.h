#pragma once

// The .clk files: one TClockSkin each, 444 bytes, no header. SkinFile finds, reads, checks and
// installs them into the application's SkinState, and writes the current skin back.

#include "common/AppDir.h"
#include "face/ClockSkin.h"
#include "face/FontCatalog.h"
#include "face/SkinHooks.h"
#include "face/SkinState.h"

#include <QString>

namespace horavine {

// True when the whole texture name reads as an integer, i.e. names a pattern rather than a bitmap.
bool ReadsAsPatternNumber(const QString& textureName);

// The first 444 bytes of the file as they are, no repairs. Throws IoError when the file cannot
// be read or is shorter than a record.
TClockSkin ReadSkinRecord(const QString& file);

// Replaces the file with the record's 444 bytes; on failure the old file stays as it was.
// Throws IoError.
void WriteSkinRecord(const QString& file, const TClockSkin& skin);

class SkinFile
{
public:
    SkinFile(SkinState& state, const AppDir& appDir, const FontCatalog& fonts, SkinHooks* hooks = nullptr);

    // Installs the skin in the file (or a default skin file when it does not exist) as
    // CurrentSkin, remembers the path as given and lets the windows show it. keepSize is the
    // "Permanent clock size" box. Throws IoError on a damaged file, leaving everything as it was.
    void LoadSkin(const QString& path, bool keepSize);

    // Reads the file, else AppDir/Skins/default.clk, into scratch and repairs it for this
    // installation. False when neither exists; scratch is then untouched. Throws IoError.
    bool ReadSkinFile(const QString& file, TClockSkin& scratch, bool keepSize);

    // Writes CurrentSkin to the path, storing a texture of our own Textures folder by bare name.
    // Throws IoError; the old file is then left as it was.
    void WriteSkinFile(const QString& path);

    // The path the current skin is known by: as loaded or saved, else AppDir/default.clk.
    QString CurrentSkinFile() const;

private:
    QString resolve(const QString& path) const;
    void checkFont(TClockSkin& skin) const;
    void placeTexture(TClockSkin& skin) const;

    SkinState& m_state;
    const AppDir m_appDir;
    const FontCatalog& m_fonts;
    SkinHooks* m_hooks;
};

} // namespace horavine
