// The entry point of the sound plugin. Qt Multimedia and the media framework behind it are only
// loaded with this library, at the first alarm that plays a sound: a clock that never rings
// keeps them out of its memory.

#include "sound/QtAlarmSound.h"
#include "sound/SoundPlugin.h"

extern "C" Q_DECL_EXPORT horavine::AlarmSound* HORAVINE_SOUND_FACTORY()
{
    return new horavine::QtAlarmSound();
}
