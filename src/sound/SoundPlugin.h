#pragma once

// What the clock and its sound plugin agree on: the library's name and its one exported function,
// which returns a new player owned by the caller.

#include "alarms/AlarmSound.h"

#define HORAVINE_SOUND_FACTORY horavine_create_alarm_sound

namespace horavine {

using SoundFactory = AlarmSound* (*)();
inline constexpr char kSoundPluginName[] = "horavine_sound";
inline constexpr char kSoundFactorySymbol[] = "horavine_create_alarm_sound";
// Where an installed clock finds the plugin, from the folder of its executable.
inline constexpr char kInstalledPluginFolder[] = "../lib/horavine";

} // namespace horavine
