#pragma once

// The settings road: what the first activation reads from horavine.ini, and WriteSettings.
// The windows hold the controls; these functions only take and give their values.

#include "common/AppDir.h"
#include "common/IniFile.h"
#include "designer/PermanentOptions.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QString>
#include <functional>

namespace horavine {

// Every key the first activation reads, each with its default when missing or not a number.
struct StartupSettings
{
    bool randomSkin = false;
    QString randomSkinGallery;
    QString skin;
    bool keepPos = true;
    int left = 0; // as stored: where it lands depends on the monitors (StartPosition)
    int top = 0;
    int digFrm = 0; // already through ClampDigFormat
    QString digFrmAMPM = QStringLiteral("h:mm:ss AM/PM");
    QString digFrm24 = QStringLiteral("h:mm:ss");
    bool keepSize = true;
    int lastOne = 0; // as stored; only a value above 0 replaces the skin's size
    bool onTop = false;
};

// Reads the keys in the first activation's order. Skin and LastOne are read even where the
// road would not look at them; a read changes nothing, so the caller simply ignores them.
StartupSettings ReadStartupSettings(const IniFile& settings);

// The radio group takes -1 to 1: below -1 is -1 (no read-out format), above 1 is 1.
int ClampDigFormat(int stored);

// The skin to load at start-up: a random *.clk of <AppDir>Skins/<gallery>/ when random skin
// is on, that folder exists, the gallery is in the list and holds at least one; else the stored
// Skin key. The generator is the one seeded at start-up.
QString ChooseStartupSkin(const AppDir& appDir, bool randomSkin, const QString& gallery, bool galleryListed,
                          const QString& storedSkin, QRandomGenerator& random);

// The Skin key for the current skin file: its bare name when its folder is AppDir exactly
// (letter case counting), else the name as it is. Empty means <AppDir>default.clk.
QString SkinSettingValue(const QString& currentSkinFile, const AppDir& appDir);

// saveAlarms first: when it throws, no key is written. Then Skin, OnTop, DigFrm,
// Position/KeepIt (and Left, Top while lastPos), Size/KeepIt, Size/LastOne (clockSize while
// keepSize, else 0), RandomSkin, RandomSkinGallery, one key at a time. A refused write throws
// IoError "Unable to write to <file>" and ends it there; the keys before it stay written.
void WriteSettings(IniFile& settings, const PermanentOptions& options, QPoint windowPos, int clockSize,
                   const QString& skinValue, const std::function<void()>& saveAlarms);

} // namespace horavine
