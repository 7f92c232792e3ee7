<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AlarmEditing</name>
    <message>
        <source>New Alarm</source>
        <translation>Neuer Wecker</translation>
    </message>
</context>
<context>
    <name>AlarmFileDialog</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of file name masks.</extracomment>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmFiring</name>
    <message>
        <source>Internal error 1001 - %1/%2</source>
        <translation>Interner Fehler 1001 – %1/%2</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; should&apos;ve rung earlier(at %2) today.</source>
        <extracomment>The missed-alarm notice; %1 is the alarm&apos;s name, %2 its time.</extracomment>
        <translation>Der Wecker „%1“ hätte heute schon früher (um %2) klingeln sollen.</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely, and no copy of it could be kept. Alarms that could not be read will be lost when the alarms are saved.</source>
        <translation>Die Weckerdatei „%1“ konnte nicht vollständig gelesen werden, und es ließ sich keine Kopie von ihr aufbewahren. Wecker, die nicht gelesen werden konnten, gehen beim Speichern der Wecker verloren.</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely; the alarms that could be read are shown. The original file was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the alarm file, %2 the copy of it that was kept.</extracomment>
        <translation>Die Weckerdatei „%1“ konnte nicht vollständig gelesen werden; die lesbaren Wecker werden angezeigt. Die ursprüngliche Datei wurde als „%2“ aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>AlarmMessage</name>
    <message>
        <source>Rinnnng... (%1)</source>
        <extracomment>The alarm window&apos;s text when the alarm has no picture; %1 is the alarm&apos;s name. The window shows only what follows the last &quot;/&quot;, &quot;\&quot; or &quot;:&quot;, so the text must not hold these characters.</extracomment>
        <translation>Rrrring … (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmRow</name>
    <message>
        <source>Once</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>&lt;Expired&gt;</source>
        <translation>&lt;Abgelaufen&gt;</translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Cannot play the sound file %1: the sound player cannot be loaded (%2)</source>
        <extracomment>%1 is the sound file, %2 why the player could not be loaded.</extracomment>
        <translation>Die Tondatei %1 kann nicht abgespielt werden: Das Wiedergabemodul kann nicht geladen werden (%2)</translation>
    </message>
    <message>
        <source>the sound&apos;s format is not understood</source>
        <translation>Das Tonformat wird nicht erkannt</translation>
    </message>
    <message>
        <source>Cannot play the sound file %1: %2</source>
        <translation>Die Tondatei %1 kann nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>Cannot create the folder %1; the clock runs from %2 and cannot save</source>
        <translation>Der Ordner %1 kann nicht angelegt werden; die Uhr wird aus %2 ausgeführt und kann nichts speichern</translation>
    </message>
    <message>
        <source>No shipped data at %1: %2 has no default skin</source>
        <translation>Keine mitgelieferten Daten in %1: %2 enthält kein Standarddesign</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
</context>
<context>
    <name>FaceStyle</name>
    <message>
        <source>Texture file not found.</source>
        <translation>Texturdatei nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Missing font - %1</source>
        <translation>Fehlende Schriftart – %1</translation>
    </message>
</context>
<context>
    <name>OptionsButtons</name>
    <message>
        <source>Save skin as...</source>
        <translation>Design speichern unter …</translation>
    </message>
    <message>
        <source>Close the clock</source>
        <translation>Uhr beenden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>OptionsHelp</name>
    <message>
        <source>You can move Horavine when you drag and drop it with the left
mouse button or using arrow keys on the left of NumPad.</source>
        <translation>Sie können Horavine verschieben, indem Sie die Uhr mit der linken
Maustaste ziehen oder die Pfeiltasten links vom NumPad benutzen.</translation>
    </message>
    <message>
        <source>NumPad keys will move Horavine to the screen corners;
up/down/left/right arrows - in the respective directions;
+/-  NumPad buttons will change the size of the clock.</source>
        <translation>Die NumPad-Tasten schieben Horavine in die Bildschirmecken;
Pfeiltasten hoch/runter/links/rechts – in die jeweilige Richtung;
die NumPad-Tasten +/- ändern die Größe der Uhr.</translation>
    </message>
    <message>
        <source>Click with the right mouse button on the clock to make options
appear. When you are done with the options, click Done button.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Uhr, um die
Einstellungen zu öffnen. Wenn Sie damit fertig sind, klicken Sie
auf „Fertig“.</translation>
    </message>
    <message>
        <source>Press &quot;T&quot; to switch to timer mode. Close the timer toolbar to
switch back to clock mode.</source>
        <translation>Drücken Sie „T“, um in den Stoppuhrmodus zu wechseln. Schließen
Sie die Stoppuhrleiste, um zum Uhrmodus zurückzukehren.</translation>
    </message>
    <message>
        <source>Press &quot;H&quot; to hide the clock, show it back by clicking on the tray
icon.</source>
        <translation>Drücken Sie „H“, um die Uhr auszublenden; ein Klick auf ihr Symbol
im Systemabschnitt der Kontrollleiste zeigt sie wieder an.</translation>
    </message>
    <message>
        <source>How to remove the automatic start-up:
Open your desktop&apos;s autostart folder (~/.config/autostart) and delete
the entry for Horavine.
Or run &quot;horavine-cli autostart off&quot; in a terminal.</source>
        <translation>So entfernen Sie den automatischen Start:
Öffnen Sie den Autostart-Ordner Ihrer Arbeitsumgebung
(~/.config/autostart) und löschen Sie den Eintrag für Horavine.
Oder führen Sie in einem Terminal „horavine-cli autostart off“ aus.</translation>
    </message>
    <message>
        <source>If you click the right mouse button or press &quot;O&quot;, an options
panel will appear and you &apos;re ready to customize your very own
Horavine skin.
Most of the buttons and fields are self-explanatory, but if you
have any doubts, experiment using &quot;Skins Galleries&quot; as
examples.</source>
        <translation>Wenn Sie mit der rechten Maustaste klicken oder „O“ drücken,
erscheinen die Einstellungen, und Sie können Ihr ganz eigenes
Horavine-Design gestalten.
Die meisten Schaltflächen und Felder erklären sich selbst; im
Zweifel probieren Sie die Designs der „Designgalerien“ als
Beispiele aus.</translation>
    </message>
    <message>
        <source>To create your own skin, take one of the provided skins, modify
it and then save it under a different name.</source>
        <translation>Um ein eigenes Design zu erstellen, nehmen Sie eines der
mitgelieferten Designs, ändern es und speichern es dann unter
einem anderen Namen.</translation>
    </message>
    <message>
        <source>The clock face is divided by three areas (from inside out):
hours, ticks (middle) and minutes + digital clock. You can
change parameters of an individual area and you can use
background texture to give overall styling of the clock.</source>
        <translation>Das Zifferblatt ist in drei Ringe geteilt (von innen nach außen):
Stunden, Teilstriche (Mitte) und Minuten + Digitaluhr. Sie können
die Einstellungen jedes Rings einzeln ändern und der ganzen Uhr
mit einer Hintergrundtextur ein einheitliches Aussehen geben.</translation>
    </message>
    <message>
        <source>Permanent options:</source>
        <translation>Dauerhafte Einstellungen:</translation>
    </message>
    <message>
        <source>- Save last position when clock closes.</source>
        <translation>- Letzte Position beim Beenden der Uhr speichern.</translation>
    </message>
    <message>
        <source>- Clock skin contains a size, when it was created, but you can
make the new skin has the same size as the last opened.</source>
        <translation>- Ein Design enthält die Größe, mit der es erstellt wurde; Sie
können aber ein neu geöffnetes Design in der Größe des zuletzt
geöffneten anzeigen lassen.</translation>
    </message>
    <message>
        <source>- Always on top makes the clock appear on the top of all
windows opened.</source>
        <translation>- „Immer im Vordergrund“ zeigt die Uhr über allen geöffneten
Fenstern an.</translation>
    </message>
    <message>
        <source>- If Random skin is checked Horavine will pick randomly a skin
from selected gallery.</source>
        <translation>- Ist „Zufälliges Design aus“ aktiviert, wählt Horavine ein
zufälliges Design aus der gewählten Galerie.</translation>
    </message>
    <message>
        <source>- Digital format option allows you to choose between AM/PM
and 24 hours format.</source>
        <translation>- Mit „Digitalformat“ wählen Sie zwischen dem AM/PM- und dem
24-Stunden-Format.</translation>
    </message>
    <message>
        <source>Press &quot;Create Alarm&quot; button to set new alarm, then all the alarm
settings become enabled. To finish setting the alarm unpress
&quot;Edit Selected&quot; button.</source>
        <translation>Klicken Sie auf „Neuer Wecker“, um einen neuen Wecker zu stellen;
dann lassen sich alle seine Einstellungen ändern. Um das Stellen
abzuschließen, lösen Sie die gedrückte Schaltfläche „Bearbeiten“.</translation>
    </message>
    <message>
        <source>You can set any possible schedule using four types of alarms:
Once, Daily, Weekly and Monthly.</source>
        <translation>Mit vier Arten von Weckern lässt sich jeder Zeitplan einstellen:
Einmalig, Täglich, Wöchentlich und Monatlich.</translation>
    </message>
    <message>
        <source>Although Horavine comes with variety of bitmap textures,
wake-up pictures, and wav files (for the alarm), you can use
your own. For example, you can set the alarm to your favorite
song, or take a picture of what you need to do, and then set it as
the wake-up picture!</source>
        <translation>Horavine bringt zwar eine Auswahl an Bitmap-Texturen,
Weckbildern und WAV-Dateien (für den Wecker) mit, Sie können
aber auch eigene verwenden. Stellen Sie den Wecker zum Beispiel
auf Ihr Lieblingslied, oder fotografieren Sie, was Sie erledigen
müssen, und nehmen Sie das Foto als Weckbild!</translation>
    </message>
    <message>
        <source>The wav file will be played on your Sound playback - Default
device
at your desktop&apos;s Sound settings -&gt; Output.</source>
        <translation>Die WAV-Datei wird auf dem Standardgerät für die Tonwiedergabe
abgespielt, das Sie in den Audio-Einstellungen Ihrer
Arbeitsumgebung unter „Ausgabe“ festlegen.</translation>
    </message>
    <message>
        <source>You can use Open Doc tab to start any file your desktop has
file-association with (including multi-media files, e.g. AVI, mp3)</source>
        <translation>Auf der Karteikarte „Dokument öffnen“ können Sie jede Datei
starten, der Ihre Arbeitsumgebung ein Programm zuordnet
(auch Multimedia-Dateien, z. B. AVI, MP3).</translation>
    </message>
    <message>
        <source>If you want an alarm with a message-remainder, simply type
your message instead of the file name when the &quot;open-picture&quot;
dialog box appears.</source>
        <translation>Möchten Sie einen Wecker mit einer Erinnerungsnachricht, geben
Sie einfach Ihre Nachricht statt eines Dateinamens ein, wenn der
Dialog „Bild öffnen“ erscheint.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file is truncated</source>
        <translation>Die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>keine GIF-Datei</translation>
    </message>
    <message>
        <source>damaged GIF data (%1)</source>
        <translation>beschädigte GIF-Daten (%1)</translation>
    </message>
    <message>
        <source>the GIF file holds no picture</source>
        <translation>Die GIF-Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>the first frame (%1 × %2 at %3, %4) lies outside the %5 × %6 picture</source>
        <translation>Das erste Einzelbild (%1 × %2 bei %3, %4) liegt außerhalb des Bildes von %5 × %6</translation>
    </message>
    <message>
        <source>the GIF file has no colour table</source>
        <translation>Die GIF-Datei hat keine Farbtabelle</translation>
    </message>
    <message>
        <source>a pixel uses colour %1 of a %2-colour table</source>
        <translation>Ein Pixel verwendet Farbe %1 einer Farbtabelle mit %2 Farben</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>keine JPEG-Datei</translation>
    </message>
    <message>
        <source>the picture is too large (%1 × %2 pixels)</source>
        <translation>Das Bild ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>damaged JPEG data (%1)</source>
        <translation>beschädigte JPEG-Daten (%1)</translation>
    </message>
    <message>
        <source>unsupported JPEG colour space (%1 components)</source>
        <translation>nicht unterstützter JPEG-Farbraum (%1 Komponenten)</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Cannot load picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 × %2)</source>
        <translation>Das Bild hat keine Pixel (%1 × %2)</translation>
    </message>
    <message>
        <source>not enough memory for %1 × %2 pixels</source>
        <translation>nicht genügend Speicher für %1 × %2 Pixel</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>unsupported picture format (the file name has no extension)</source>
        <translation>nicht unterstütztes Bildformat (der Dateiname hat keine Endung)</translation>
    </message>
    <message>
        <source>unsupported picture format &quot;.%1&quot;</source>
        <translation>nicht unterstütztes Bildformat „.%1“</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>Cannot encode a JPEG picture: %1</source>
        <translation>Das JPEG-Bild kann nicht kodiert werden: %1</translation>
    </message>
    <message>
        <source>Cannot save picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>not a readable %1 picture (%2)</source>
        <translation>kein lesbares %1-Bild (%2)</translation>
    </message>
</context>
<context>
    <name>SaveDialogs</name>
    <message>
        <source>Save skin as</source>
        <translation>Design speichern unter</translation>
    </message>
    <message>
        <source>Clock Skin (*.clk)</source>
        <translation>Uhrendesign (*.clk)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot listen for later starts on %1: %2</source>
        <translation>Weitere Programmstarts können über %1 nicht entgegengenommen werden: %2</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>Der Pfad ist zu lang</translation>
    </message>
    <message>
        <source>Cannot open the single-instance record %1: %2</source>
        <translation>Die Instanzdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The single-instance record %1 is not a file of this user</source>
        <translation>Die Instanzdatei %1 ist keine Datei dieses Benutzers</translation>
    </message>
    <message>
        <source>Cannot lock the single-instance record %1: %2</source>
        <translation>Die Instanzdatei %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the single-instance record %1</source>
        <translation>Die Instanzdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>No private folder for the single-instance record could be made in %1 (the names are taken by other users); this copy runs without the guard</source>
        <translation>In %1 konnte kein privater Ordner für die Instanzdatei angelegt werden (die Namen sind von anderen Benutzern belegt); diese Instanz läuft ohne Schutz vor Mehrfachstarts</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: a skin file holds %2 bytes, this one only %3</source>
        <translation>„%1“ kann nicht gelesen werden: Eine Designdatei umfasst %2 Byte, diese nur %3</translation>
    </message>
    <message>
        <source>Missing font -&gt;%1</source>
        <translation>Fehlende Schriftart -&gt;%1</translation>
    </message>
</context>
<context>
    <name>SnoozeMenu</name>
    <message>
        <source>Snoozed: %1, rings at %2</source>
        <translation>Schlummert: %1, klingelt um %2</translation>
    </message>
    <message>
        <source>Cancel snooze</source>
        <translation>Schlummern abbrechen</translation>
    </message>
</context>
<context>
    <name>TexturePatterns</name>
    <message>
        <source>Solid</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Back Diagonal</source>
        <translation>Gegendiagonal</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Diagonalkreuz</translation>
    </message>
    <message>
        <source>Fill 80%</source>
        <translation>Füllung 80 %</translation>
    </message>
    <message>
        <source>Fill 60%</source>
        <translation>Füllung 60 %</translation>
    </message>
    <message>
        <source>Fill 40%</source>
        <translation>Füllung 40 %</translation>
    </message>
    <message>
        <source>Fill 20%</source>
        <translation>Füllung 20 %</translation>
    </message>
    <message>
        <source>Fill 10%</source>
        <translation>Füllung 10 %</translation>
    </message>
    <message>
        <source>Zig zag</source>
        <translation>Zickzack</translation>
    </message>
    <message>
        <source>Vertical small</source>
        <translation>Vertikal klein</translation>
    </message>
    <message>
        <source>Horiz. small</source>
        <translation>Horiz. klein</translation>
    </message>
    <message>
        <source>Diag. small</source>
        <translation>Diag. klein</translation>
    </message>
    <message>
        <source>Back Diag. small</source>
        <translation>Gegendiag. klein</translation>
    </message>
    <message>
        <source>Cross small</source>
        <translation>Kreuz klein</translation>
    </message>
    <message>
        <source>Diag. Cross small</source>
        <translation>Diag.-Kreuz klein</translation>
    </message>
</context>
<context>
    <name>TexturePickers</name>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap-Bilder (*.bmp)</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmSchedulePages</name>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>How often the alarm rings.</extracomment>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Set the alarm time</source>
        <translation>Weckzeit einstellen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Other date</source>
        <translation>Anderes Datum</translation>
    </message>
    <message>
        <source> Delete alarm after </source>
        <translation> Wecker löschen nach </translation>
    </message>
    <message>
        <source>Playing It</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Delete an alarm after playing it</source>
        <translation>Den Wecker löschen, nachdem er geklingelt hat</translation>
    </message>
    <message>
        <source>Expired On Start</source>
        <translation>Ablauf beim Start</translation>
    </message>
    <message>
        <source>Delete an alarm if it expires on start</source>
        <translation>Den Wecker löschen, wenn er beim Programmstart schon abgelaufen ist</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Ring the alarm every # days</source>
        <translation>Den Wecker alle # Tage klingeln lassen</translation>
    </message>
    <message>
        <source>Set the starting date</source>
        <translation>Startdatum einstellen</translation>
    </message>
    <message>
        <source>Every %1 days.</source>
        <extracomment>%1 is the box with the number of days.</extracomment>
        <translation>Alle %1 Tage</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Ring the alarm every # weeks</source>
        <translation>Den Wecker alle # Wochen klingeln lassen</translation>
    </message>
    <message>
        <source>Every %1 week</source>
        <extracomment>%1 is the box with the number of weeks.</extracomment>
        <translation>Alle %1 Wochen</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>Short month names, as on the boxes of the months an alarm rings in.</extracomment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>Short month name.</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>date of the month</comment>
        <extracomment>&quot;Day [15]&quot;: the alarm rings on that date of the month.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>On which date of the month</source>
        <translation>An welchem Tag des Monats</translation>
    </message>
    <message>
        <source>The</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month: the words before two lists.</extracomment>
        <translation>Am</translation>
    </message>
    <message>
        <source>Every 1st,2nd...</source>
        <translation>Jeden 1., 2., …</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month.</extracomment>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>Day of the week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is today&apos;s date.</extracomment>
        <translation>Heute %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is tomorrow&apos;s date.</extracomment>
        <translation>Morgen %1</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmShowGroup</name>
    <message>
        <source> Show </source>
        <translation> Anzeige </translation>
    </message>
    <message>
        <source>The alarm name</source>
        <translation>Name des Weckers</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation>Wecker testen</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>The image or text to wake you up</source>
        <translation>Bild oder Text zum Wecken</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>The sound to wake you up</source>
        <translation>Weckton</translation>
    </message>
    <message>
        <source>Stays on </source>
        <translation>Dauer </translation>
    </message>
    <message>
        <source>How long the sound will last</source>
        <translation>Wie lange der Ton erklingt</translation>
    </message>
    <message>
        <source>Sound length</source>
        <extracomment>How long the alarm sound stays on: as long as the sound file itself.</extracomment>
        <translation>Tonlänge</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <extracomment>How long the alarm sound stays on, in minutes.</extracomment>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Start a document with registered extension</source>
        <translation>Ein Dokument mit dem ihm zugeordneten Programm öffnen</translation>
    </message>
    <message>
        <source>Audio + Image</source>
        <translation>Ton + Bild</translation>
    </message>
    <message>
        <source>Open Document (file)</source>
        <translation>Dokument öffnen (Datei)</translation>
    </message>
</context>
<context>
    <name>horavine::SnoozeButton</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Schlummern %1 Min.</translation>
    </message>
    <message>
        <source>Shows the alarm again in %1 minutes</source>
        <translation>Zeigt den Wecker in %1 Minuten erneut an</translation>
    </message>
</context>
<context>
    <name>horavine::TBrushDialog</name>
    <message>
        <source>Texture Editor</source>
        <translation>Textur-Editor</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe …</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Bild …</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source> Transperancy</source>
        <translation> Transparenz</translation>
    </message>
    <message>
        <source>Transperancy</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>Texturdatei nicht gefunden.</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Du&amp;rchsuchen …</translation>
    </message>
</context>
<context>
    <name>horavine::TfrAlarm</name>
    <message>
        <source>Alarms</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source> Edit selected</source>
        <translation> Bearbeiten</translation>
    </message>
    <message>
        <source>Alarm tools</source>
        <translation>Werkzeugleiste für Wecker</translation>
    </message>
    <message>
        <source> Create alarm </source>
        <translation> Neuer Wecker </translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Neuen Wecker erstellen</translation>
    </message>
    <message>
        <source> Delete alarm</source>
        <translation> Wecker löschen</translation>
    </message>
    <message>
        <source>Delete selected alarm</source>
        <translation>Ausgewählten Wecker löschen</translation>
    </message>
    <message>
        <source>Edit selected alarm</source>
        <translation>Ausgewählten Wecker bearbeiten</translation>
    </message>
    <message>
        <source> Name</source>
        <extracomment>Column headings of the alarm list.</extracomment>
        <translation> Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Next date to ring</source>
        <translation>Nächster Termin</translation>
    </message>
    <message>
        <source> End Editing</source>
        <translation> Bearbeitung beenden</translation>
    </message>
    <message>
        <source> Edit Selected</source>
        <translation> Bearbeiten</translation>
    </message>
    <message>
        <source>No alarm selected</source>
        <translation>Kein Wecker ausgewählt</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; alarm ?</source>
        <extracomment>%1 is the alarm&apos;s name.</extracomment>
        <translation>Wecker „%1“ löschen?</translation>
    </message>
    <message>
        <source>WAV file (*.wav)</source>
        <translation>WAV-Datei (*.wav)</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.mp3 *.flac)</source>
        <translation>Audiodateien (*.wav *.ogg *.oga *.mp3 *.flac)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmOptions</name>
    <message>
        <source>Horavine Clock v%1  -  Options</source>
        <extracomment>The options window&apos;s caption; %1 is the version number.</extracomment>
        <translation>Horavine-Uhr v%1  –  Einstellungen</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>Skin Galleries</source>
        <translation>Designgalerien</translation>
    </message>
    <message>
        <source>  Alarms  </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Wecker  </translation>
    </message>
    <message>
        <source>  Help   </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Hilfe   </translation>
    </message>
    <message>
        <source>  Take a picture</source>
        <translation>  Vorschaubild aufnehmen</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Vorschaubild aufnehmen</translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation>Aktives Design</translation>
    </message>
    <message>
        <source>Horavine, a skinnable desktop clock - read the user guide</source>
        <translation>Horavine, die Desktop-Uhr mit wechselbaren Designs – zum Benutzerhandbuch</translation>
    </message>
    <message>
        <source> Shape </source>
        <translation> Form </translation>
    </message>
    <message>
        <source>Choose a clock shape</source>
        <translation>Form der Uhr wählen</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Abgerundet</translation>
    </message>
    <message>
        <source>Transparency [%] </source>
        <translation>Transparenz [%] </translation>
    </message>
    <message>
        <source>Clock transparency</source>
        <translation>Transparenz der Uhr</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Allgemein </translation>
    </message>
    <message>
        <source>Clock size</source>
        <translation>Uhrgröße</translation>
    </message>
    <message>
        <source> Texture</source>
        <translation> Textur</translation>
    </message>
    <message>
        <source>Overlaped texture</source>
        <translation>Überlagerte Textur</translation>
    </message>
    <message>
        <source> First</source>
        <extracomment>A colour button: the band&apos;s first colour.</extracomment>
        <translation> Anfang</translation>
    </message>
    <message>
        <source>%1: middle color position</source>
        <extracomment>Accessible name; %1 is the group&apos;s caption, e.g. &quot;Hours Colors (inner band)&quot;.</extracomment>
        <translation>%1: Position der Mittelfarbe</translation>
    </message>
    <message>
        <source> Last</source>
        <extracomment>A colour button: the band&apos;s last colour.</extracomment>
        <translation> Ende</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>The unit after the read-out&apos;s size box (per cent of the face).</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source> Hours Colors (inner band) </source>
        <translation> Stundenfarben (innerer Ring) </translation>
    </message>
    <message>
        <source>First color for hours band</source>
        <translation>Anfangsfarbe des Stundenrings</translation>
    </message>
    <message>
        <source>Last color for hours band</source>
        <translation>Endfarbe des Stundenrings</translation>
    </message>
    <message>
        <source> Minutes Colors (outer band) </source>
        <translation> Minutenfarben (äußerer Ring) </translation>
    </message>
    <message>
        <source>First color for minutes band</source>
        <translation>Anfangsfarbe des Minutenrings</translation>
    </message>
    <message>
        <source>Last color for minutes band</source>
        <translation>Endfarbe des Minutenrings</translation>
    </message>
    <message>
        <source> Tics </source>
        <translation> Teilstriche </translation>
    </message>
    <message>
        <source>Choose tics width</source>
        <translation>Breite der Teilstriche wählen</translation>
    </message>
    <message>
        <source> Color</source>
        <translation> Farbe</translation>
    </message>
    <message>
        <source>Choose tics color</source>
        <translation>Farbe der Teilstriche wählen</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>The width of the tics, in pixels.</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source> Seconds </source>
        <translation> Sekunden </translation>
    </message>
    <message>
        <source>Empty Circle</source>
        <translation>Leerer Kreis</translation>
    </message>
    <message>
        <source>Full Circle</source>
        <translation>Gefüllter Kreis</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No second marker at all.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Empty Square</source>
        <translation>Leeres Quadrat</translation>
    </message>
    <message>
        <source>Full Square</source>
        <translation>Gefülltes Quadrat</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Choose second hand shape</source>
        <translation>Form des Sekundenzeigers wählen</translation>
    </message>
    <message>
        <source>Choose second hand color</source>
        <translation>Farbe des Sekundenzeigers wählen</translation>
    </message>
    <message>
        <source> Tics Band (middle) </source>
        <translation> Teilstrichring (Mitte) </translation>
    </message>
    <message>
        <source> Background Color</source>
        <translation> Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Choose tics band color</source>
        <translation>Farbe des Teilstrichrings wählen</translation>
    </message>
    <message>
        <source>Inner/middle band boundary position</source>
        <translation>Position der Grenze zwischen innerem und mittlerem Ring</translation>
    </message>
    <message>
        <source>Middle/outer band boundary position</source>
        <translation>Position der Grenze zwischen mittlerem und äußerem Ring</translation>
    </message>
    <message>
        <source> Digital Clock </source>
        <translation> Digitaluhr </translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Where the digital read-out stands on the face: nowhere, at the top, ...</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Digilal clock position/Off</source>
        <translation>Position der Digitaluhr/Aus</translation>
    </message>
    <message>
        <source>Digital clock size</source>
        <translation>Größe der Digitaluhr</translation>
    </message>
    <message>
        <source>Digital clock font</source>
        <translation>Schriftart der Digitaluhr</translation>
    </message>
    <message>
        <source>Digital clock font color</source>
        <translation>Schriftfarbe der Digitaluhr</translation>
    </message>
    <message>
        <source> Permanent Options </source>
        <translation> Dauerhafte Einstellungen </translation>
    </message>
    <message>
        <source>Save last pos. on exit</source>
        <translation>Letzte Position merken</translation>
    </message>
    <message>
        <source>Permanent clock size</source>
        <translation>Feste Uhrgröße</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>The clock stays above all</source>
        <translation>Die Uhr bleibt über allen Fenstern</translation>
    </message>
    <message>
        <source>Random Skin from</source>
        <translation>Zufälliges Design aus</translation>
    </message>
    <message>
        <source>Random skin gallery</source>
        <translation>Galerie für zufällige Designs</translation>
    </message>
    <message>
        <source> Digital Format </source>
        <translation> Digitalformat </translation>
    </message>
    <message>
        <source>AMPM</source>
        <extracomment>The read-out&apos;s time format: 12-hour with AM/PM, or 24-hour.</extracomment>
        <translation>AMPM</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei Bereichsprüfung</translation>
    </message>
    <message>
        <source>Size %1 pixels</source>
        <extracomment>%1 is the box with the clock&apos;s size.</extracomment>
        <translation>Größe %1 Pixel</translation>
    </message>
    <message>
        <source>Middle color pos.  %1 %</source>
        <extracomment>%1 is the box with the middle colour&apos;s position, in per cent of the way round.</extracomment>
        <translation>Mittelfarbe bei %1 %</translation>
    </message>
    <message>
        <source>From%1 %  to%2 %</source>
        <extracomment>The band&apos;s inner (%1) and outer (%2) edge, boxes in per cent of the radius. %1 comes before %2; no space is needed before a box, the layout leaves a gap.</extracomment>
        <translation>Von%1 %  bis%2 %</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmShowPic</name>
    <message>
        <source>Your alarm is on !!! / click to close</source>
        <translation>Ihr Wecker klingelt!!! / Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; is ringing</source>
        <translation>Wecker „%1“ klingelt</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmTimer</name>
    <message>
        <source>  Timer</source>
        <extracomment>The timer toolbar&apos;s caption.</extracomment>
        <translation>  Stoppuhr</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmZavIro</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no such file</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a skin (a skin file holds %2 bytes, this one %3)</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei ist kein Design (eine Designdatei umfasst %2 Byte, diese %3)</translation>
    </message>
    <message>
        <source>%1

Close the clock without saving?</source>
        <extracomment>%1 says why the settings or the alarms could not be saved.</extracomment>
        <translation>%1

Uhr ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>Texturdatei nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>horavine::platform</name>
    <message>
        <source>on Wayland without XWayland the clock cannot place its own window (the position keys and the saved position do nothing) nor stay on top of other windows; drag it to move it. With XWayland it can do both.</source>
        <translation>unter Wayland ohne XWayland kann die Uhr ihr Fenster weder selbst platzieren (die Positionstasten und die gespeicherte Position bewirken nichts) noch über anderen Fenstern halten; ziehen Sie die Uhr, um sie zu verschieben. Mit XWayland geht beides.</translation>
    </message>
</context>
</TS>
