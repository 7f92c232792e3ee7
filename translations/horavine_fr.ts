<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AlarmEditing</name>
    <message>
        <source>New Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmFileDialog</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of file name masks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmFiring</name>
    <message>
        <source>Internal error 1001 - %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; should&apos;ve rung earlier(at %2) today.</source>
        <extracomment>The missed-alarm notice; %1 is the alarm&apos;s name, %2 its time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely, and no copy of it could be kept. Alarms that could not be read will be lost when the alarms are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely; the alarms that could be read are shown. The original file was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the alarm file, %2 the copy of it that was kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmMessage</name>
    <message>
        <source>Rinnnng... (%1)</source>
        <extracomment>The alarm window&apos;s text when the alarm has no picture; %1 is the alarm&apos;s name. The window shows only what follows the last &quot;/&quot;, &quot;\&quot; or &quot;:&quot;, so the text must not hold these characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmRow</name>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Expired&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Cannot play the sound file %1: the sound player cannot be loaded (%2)</source>
        <extracomment>%1 is the sound file, %2 why the player could not be loaded.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound&apos;s format is not understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play the sound file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>Cannot create the folder %1; the clock runs from %2 and cannot save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shipped data at %1: %2 has no default skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceStyle</name>
    <message>
        <source>Texture file not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Missing font - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsButtons</name>
    <message>
        <source>Save skin as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsHelp</name>
    <message>
        <source>You can move Horavine when you drag and drop it with the left
mouse button or using arrow keys on the left of NumPad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NumPad keys will move Horavine to the screen corners;
up/down/left/right arrows - in the respective directions;
+/-  NumPad buttons will change the size of the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click with the right mouse button on the clock to make options
appear. When you are done with the options, click Done button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;T&quot; to switch to timer mode. Close the timer toolbar to
switch back to clock mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;H&quot; to hide the clock, show it back by clicking on the tray
icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to remove the automatic start-up:
Open your desktop&apos;s autostart folder (~/.config/autostart) and delete
the entry for Horavine.
Or run &quot;horavine-cli autostart off&quot; in a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you click the right mouse button or press &quot;O&quot;, an options
panel will appear and you &apos;re ready to customize your very own
Horavine skin.
Most of the buttons and fields are self-explanatory, but if you
have any doubts, experiment using &quot;Skins Galleries&quot; as
examples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To create your own skin, take one of the provided skins, modify
it and then save it under a different name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock face is divided by three areas (from inside out):
hours, ticks (middle) and minutes + digital clock. You can
change parameters of an individual area and you can use
background texture to give overall styling of the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanent options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Save last position when clock closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Clock skin contains a size, when it was created, but you can
make the new skin has the same size as the last opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Always on top makes the clock appear on the top of all
windows opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- If Random skin is checked Horavine will pick randomly a skin
from selected gallery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Digital format option allows you to choose between AM/PM
and 24 hours format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Create Alarm&quot; button to set new alarm, then all the alarm
settings become enabled. To finish setting the alarm unpress
&quot;Edit Selected&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can set any possible schedule using four types of alarms:
Once, Daily, Weekly and Monthly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Although Horavine comes with variety of bitmap textures,
wake-up pictures, and wav files (for the alarm), you can use
your own. For example, you can set the alarm to your favorite
song, or take a picture of what you need to do, and then set it as
the wake-up picture!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wav file will be played on your Sound playback - Default
device
at your desktop&apos;s Sound settings -&gt; Output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use Open Doc tab to start any file your desktop has
file-association with (including multi-media files, e.g. AVI, mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want an alarm with a message-remainder, simply type
your message instead of the file name when the &quot;open-picture&quot;
dialog box appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file is truncated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged GIF data (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the GIF file holds no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first frame (%1 × %2 at %3, %4) lies outside the %5 × %6 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the GIF file has no colour table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pixel uses colour %1 of a %2-colour table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is too large (%1 × %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged JPEG data (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported JPEG colour space (%1 components)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory for %1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported picture format (the file name has no extension)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported picture format &quot;.%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot encode a JPEG picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a readable %1 picture (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialogs</name>
    <message>
        <source>Save skin as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Skin (*.clk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot listen for later starts on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the single-instance record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The single-instance record %1 is not a file of this user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the single-instance record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the single-instance record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No private folder for the single-instance record could be made in %1 (the names are taken by other users); this copy runs without the guard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: a skin file holds %2 bytes, this one only %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing font -&gt;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TexturePatterns</name>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill 80%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill 60%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill 40%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill 20%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill 10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zig zag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horiz. small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diag. small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Diag. small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diag. Cross small</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TexturePickers</name>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::AlarmSchedulePages</name>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>How often the alarm rings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the alarm time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Delete alarm after </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete an alarm after playing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired On Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete an alarm if it expires on start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring the alarm every # days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the starting date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 days.</source>
        <extracomment>%1 is the box with the number of days.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring the alarm every # weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 week</source>
        <extracomment>%1 is the box with the number of weeks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>Short month names, as on the boxes of the months an alarm rings in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>Short month name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <comment>date of the month</comment>
        <extracomment>&quot;Day [15]&quot;: the alarm rings on that date of the month.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On which date of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month: the words before two lists.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 1st,2nd...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of the week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is today&apos;s date.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is tomorrow&apos;s date.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::AlarmShowGroup</name>
    <message>
        <source> Show </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image or text to wake you up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound to wake you up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stays on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the sound will last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound length</source>
        <extracomment>How long the alarm sound stays on: as long as the sound file itself.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <extracomment>How long the alarm sound stays on, in minutes.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Forever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a document with registered extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio + Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Document (file)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TBrushDialog</name>
    <message>
        <source>Texture Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Transperancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transperancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TfrAlarm</name>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Edit selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Create alarm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Delete alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Name</source>
        <extracomment>Column headings of the alarm list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next date to ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> End Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Edit Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; alarm ?</source>
        <extracomment>%1 is the alarm&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV file (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.mp3 *.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TfrmOptions</name>
    <message>
        <source>Horavine Clock v%1  -  Options</source>
        <extracomment>The options window&apos;s caption; %1 is the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Galleries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Alarms  </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Help   </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Take a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horavine, a skinnable desktop clock - read the user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Shape </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a clock shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency [%] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> General </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlaped texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> First</source>
        <extracomment>A colour button: the band&apos;s first colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: middle color position</source>
        <extracomment>Accessible name; %1 is the group&apos;s caption, e.g. &quot;Hours Colors (inner band)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Last</source>
        <extracomment>A colour button: the band&apos;s last colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>The unit after the read-out&apos;s size box (per cent of the face).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hours Colors (inner band) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First color for hours band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last color for hours band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Minutes Colors (outer band) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First color for minutes band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last color for minutes band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tics </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose tics width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose tics color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>The width of the tics, in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Seconds </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No second marker at all.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose second hand shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose second hand color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tics Band (middle) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose tics band color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inner/middle band boundary position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle/outer band boundary position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Digital Clock </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Where the digital read-out stands on the face: nowhere, at the top, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digilal clock position/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital clock size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital clock font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital clock font color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Permanent Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save last pos. on exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanent clock size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock stays above all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Skin from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random skin gallery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Digital Format </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMPM</source>
        <extracomment>The read-out&apos;s time format: 12-hour with AM/PM, or 24-hour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size %1 pixels</source>
        <extracomment>%1 is the box with the clock&apos;s size.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle color pos.  %1 %</source>
        <extracomment>%1 is the box with the middle colour&apos;s position, in per cent of the way round.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From%1 %  to%2 %</source>
        <extracomment>The band&apos;s inner (%1) and outer (%2) edge, boxes in per cent of the radius. %1 comes before %2; no space is needed before a box, the layout leaves a gap.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TfrmShowPic</name>
    <message>
        <source>Your alarm is on !!! / click to close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TfrmTimer</name>
    <message>
        <source>  Timer</source>
        <extracomment>The timer toolbar&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::TfrmZavIro</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a skin (a skin file holds %2 bytes, this one %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Close the clock without saving?</source>
        <extracomment>%1 says why the settings or the alarms could not be saved.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>horavine::platform</name>
    <message>
        <source>on Wayland without XWayland the clock cannot place its own window (the position keys and the saved position do nothing) nor stay on top of other windows; drag it to move it. With XWayland it can do both.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
