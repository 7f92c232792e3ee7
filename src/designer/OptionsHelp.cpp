#include "designer/OptionsHelp.h"

namespace horavine {

namespace {

// Where the original wording names places of another desktop (its start menu, its control
// panel), these name the freedesktop equivalents; everything else is kept as written.
const char kNavigation[] = R"(You can move Horavine when you drag and drop it with the left
mouse button or using arrow keys on the left of NumPad.

NumPad keys will move Horavine to the screen corners;
up/down/left/right arrows - in the respective directions;
+/-  NumPad buttons will change the size of the clock.

Click with the right mouse button on the clock to make options
appear. When you are done with the options, click Done button.

Press "T" to switch to timer mode. Close the timer toolbar to
switch back to clock mode.

Press "H" to hide the clock, show it back by clicking on the tray
icon.
--------------------------------------------------------------------------------
How to remove the automatic start-up:
Open your desktop's autostart folder (~/.config/autostart) and delete
the entry for Horavine.
Or run "horavine-cli autostart off" in a terminal.)";

const char kSkinDesign[] = R"(If you click the right mouse button or press "O", an options
panel will appear and you 're ready to customize your very own
Horavine skin.
Most of the buttons and fields are self-explanatory, but if you
have any doubts, experiment using "Skins Galleries" as
examples.

To create your own skin, take one of the provided skins, modify
it and then save it under a different name.

The clock face is divided by three areas (from inside out):
hours, ticks (middle) and minutes + digital clock. You can
change parameters of an individual area and you can use
background texture to give overall styling of the clock.
-------------------------------------------------------------------------------------
Permanent options:
- Save last position when clock closes.
- Clock skin contains a size, when it was created, but you can
make the new skin has the same size as the last opened.
- Always on top makes the clock appear on the top of all
windows opened.
- If Random skin is checked Horavine will pick randomly a skin
from selected gallery.
- Digital format option allows you to choose between AM/PM
and 24 hours format.)";

const char kAlarms[] = R"(Press "Create Alarm" button to set new alarm, then all the alarm
settings become enabled. To finish setting the alarm unpress
"Edit Selected" button.

You can set any possible schedule using four types of alarms:
Once, Daily, Weekly and Monthly.

Although Horavine comes with variety of bitmap textures,
wake-up pictures, and wav files (for the alarm), you can use
your own. For example, you can set the alarm to your favorite
song, or take a picture of what you need to do, and then set it as
the wake-up picture!

The wav file will be played on your Sound playback - Default
device
at your desktop's Sound settings -> Output.

You can use Open Doc tab to start any file your desktop has
file-association with (including multi-media files, e.g. AVI, mp3)

If you want an alarm with a message-remainder, simply type
your message instead of the file name when the "open-picture"
dialog box appears.)";

} // namespace

QStringList HelpPageCaptions()
{
    return {QStringLiteral("Navigation"), QStringLiteral("Skin Design"), QStringLiteral("Alarms")};
}

QString HelpPageText(int page)
{
    switch (page) {
    case 0:
        return QString::fromUtf8(kNavigation);
    case 1:
        return QString::fromUtf8(kSkinDesign);
    case 2:
        return QString::fromUtf8(kAlarms);
    default:
        return {};
    }
}

} // namespace horavine
