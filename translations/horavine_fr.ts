<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AlarmEditing</name>
    <message>
        <source>New Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>AlarmFileDialog</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of file name masks.</extracomment>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmFiring</name>
    <message>
        <source>Internal error 1001 - %1/%2</source>
        <translation>Erreur interne 1001 - %1/%2</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; should&apos;ve rung earlier(at %2) today.</source>
        <extracomment>The missed-alarm notice; %1 is the alarm&apos;s name, %2 its time.</extracomment>
        <translation>L&apos;alarme «&#xa0;%1&#xa0;» aurait dû sonner plus tôt aujourd&apos;hui (à %2).</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely, and no copy of it could be kept. Alarms that could not be read will be lost when the alarms are saved.</source>
        <translation>Le fichier des alarmes «&#xa0;%1&#xa0;» n&apos;a pas pu être lu entièrement, et aucune copie n&apos;a pu en être conservée. Les alarmes illisibles seront perdues lors de l&apos;enregistrement des alarmes.</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely; the alarms that could be read are shown. The original file was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the alarm file, %2 the copy of it that was kept.</extracomment>
        <translation>Le fichier des alarmes «&#xa0;%1&#xa0;» n&apos;a pas pu être lu entièrement&#xa0;; seules les alarmes lisibles sont affichées. Le fichier d&apos;origine a été conservé sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>AlarmMessage</name>
    <message>
        <source>Rinnnng... (%1)</source>
        <extracomment>The alarm window&apos;s text when the alarm has no picture; %1 is the alarm&apos;s name. The window shows only what follows the last &quot;/&quot;, &quot;\&quot; or &quot;:&quot;, so the text must not hold these characters.</extracomment>
        <translation>Driiiing… (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmRow</name>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>&lt;Expired&gt;</source>
        <translation>&lt;Expirée&gt;</translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Cannot play the sound file %1: the sound player cannot be loaded (%2)</source>
        <extracomment>%1 is the sound file, %2 why the player could not be loaded.</extracomment>
        <translation>Impossible de lire le fichier audio %1&#xa0;: le lecteur audio ne peut pas être chargé (%2)</translation>
    </message>
    <message>
        <source>the sound&apos;s format is not understood</source>
        <translation>le format du son n&apos;est pas reconnu</translation>
    </message>
    <message>
        <source>Cannot play the sound file %1: %2</source>
        <translation>Impossible de lire le fichier audio %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>Cannot create the folder %1; the clock runs from %2 and cannot save</source>
        <translation>Impossible de créer le dossier %1&#xa0;; l&apos;horloge fonctionne depuis %2 et ne peut rien enregistrer</translation>
    </message>
    <message>
        <source>No shipped data at %1: %2 has no default skin</source>
        <translation>Aucune donnée fournie dans %1&#xa0;: %2 n&apos;a pas de thème par défaut</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>FaceStyle</name>
    <message>
        <source>Texture file not found.</source>
        <translation>Fichier de texture introuvable.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Missing font - %1</source>
        <translation>Police manquante - %1</translation>
    </message>
</context>
<context>
    <name>OptionsButtons</name>
    <message>
        <source>Save skin as...</source>
        <translation>Enregistrer le thème sous…</translation>
    </message>
    <message>
        <source>Close the clock</source>
        <translation>Fermer l&apos;horloge</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OptionsHelp</name>
    <message>
        <source>You can move Horavine when you drag and drop it with the left
mouse button or using arrow keys on the left of NumPad.</source>
        <translation>Vous pouvez déplacer Horavine par glisser-déposer avec le bouton
gauche de la souris, ou avec les flèches situées à gauche du pavé
numérique (NumPad).</translation>
    </message>
    <message>
        <source>NumPad keys will move Horavine to the screen corners;
up/down/left/right arrows - in the respective directions;
+/-  NumPad buttons will change the size of the clock.</source>
        <translation>Les touches du pavé numérique (NumPad) placent Horavine dans les
coins de l&apos;écran&#xa0;; les flèches haut/bas/gauche/droite la déplacent
dans la direction correspondante&#xa0;; les touches +/- du pavé
numérique changent la taille de l&apos;horloge.</translation>
    </message>
    <message>
        <source>Click with the right mouse button on the clock to make options
appear. When you are done with the options, click Done button.</source>
        <translation>Cliquez sur l&apos;horloge avec le bouton droit de la souris pour faire
apparaître les options. Quand vous avez fini, cliquez sur
le bouton «&#xa0;OK&#xa0;».</translation>
    </message>
    <message>
        <source>Press &quot;T&quot; to switch to timer mode. Close the timer toolbar to
switch back to clock mode.</source>
        <translation>Appuyez sur «&#xa0;T&#xa0;» pour passer en mode chronomètre. Fermez la barre
du chronomètre pour revenir en mode horloge.</translation>
    </message>
    <message>
        <source>Press &quot;H&quot; to hide the clock, show it back by clicking on the tray
icon.</source>
        <translation>Appuyez sur «&#xa0;H&#xa0;» pour masquer l&apos;horloge&#xa0;; pour la réafficher,
cliquez sur son icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>How to remove the automatic start-up:
Open your desktop&apos;s autostart folder (~/.config/autostart) and delete
the entry for Horavine.
Or run &quot;horavine-cli autostart off&quot; in a terminal.</source>
        <translation>Pour supprimer le lancement automatique&#xa0;:
ouvrez le dossier de démarrage automatique de votre bureau
(~/.config/autostart) et supprimez l&apos;entrée d&apos;Horavine.
Ou exécutez «&#xa0;horavine-cli autostart off&#xa0;» dans un terminal.</translation>
    </message>
    <message>
        <source>If you click the right mouse button or press &quot;O&quot;, an options
panel will appear and you &apos;re ready to customize your very own
Horavine skin.
Most of the buttons and fields are self-explanatory, but if you
have any doubts, experiment using &quot;Skins Galleries&quot; as
examples.</source>
        <translation>Si vous cliquez avec le bouton droit de la souris ou appuyez sur
«&#xa0;O&#xa0;», un panneau d&apos;options apparaît et vous pouvez alors
personnaliser votre propre thème Horavine.
La plupart des boutons et des champs se passent d&apos;explication&#xa0;;
en cas de doute, faites des essais en partant des thèmes de
l&apos;onglet «&#xa0;Galeries&#xa0;».</translation>
    </message>
    <message>
        <source>To create your own skin, take one of the provided skins, modify
it and then save it under a different name.</source>
        <translation>Pour créer votre propre thème, prenez l&apos;un des thèmes fournis,
modifiez-le, puis enregistrez-le sous un autre nom.</translation>
    </message>
    <message>
        <source>The clock face is divided by three areas (from inside out):
hours, ticks (middle) and minutes + digital clock. You can
change parameters of an individual area and you can use
background texture to give overall styling of the clock.</source>
        <translation>Le cadran est divisé en trois zones (de l&apos;intérieur vers
l&apos;extérieur)&#xa0;: heures, graduations (milieu) et minutes + horloge
numérique. Vous pouvez régler chaque zone séparément et
appliquer une texture de fond pour donner un style d&apos;ensemble
à l&apos;horloge.</translation>
    </message>
    <message>
        <source>Permanent options:</source>
        <translation>Options permanentes&#xa0;:</translation>
    </message>
    <message>
        <source>- Save last position when clock closes.</source>
        <translation>- Mémoriser la dernière position à la fermeture de l&apos;horloge.</translation>
    </message>
    <message>
        <source>- Clock skin contains a size, when it was created, but you can
make the new skin has the same size as the last opened.</source>
        <translation>- Un thème contient la taille qu&apos;avait l&apos;horloge à sa création,
mais vous pouvez donner au nouveau thème la taille du dernier
thème ouvert.</translation>
    </message>
    <message>
        <source>- Always on top makes the clock appear on the top of all
windows opened.</source>
        <translation>- «&#xa0;Toujours au premier plan&#xa0;» affiche l&apos;horloge au-dessus de
toutes les fenêtres ouvertes.</translation>
    </message>
    <message>
        <source>- If Random skin is checked Horavine will pick randomly a skin
from selected gallery.</source>
        <translation>- Si «&#xa0;Thème au hasard&#xa0;» est coché, Horavine choisit au hasard
un thème dans la galerie sélectionnée.</translation>
    </message>
    <message>
        <source>- Digital format option allows you to choose between AM/PM
and 24 hours format.</source>
        <translation>- L&apos;option «&#xa0;Format de l&apos;heure&#xa0;» permet de choisir entre le
format AM/PM et le format 24&#xa0;heures.</translation>
    </message>
    <message>
        <source>Press &quot;Create Alarm&quot; button to set new alarm, then all the alarm
settings become enabled. To finish setting the alarm unpress
&quot;Edit Selected&quot; button.</source>
        <translation>Cliquez sur le bouton «&#xa0;Nouvelle alarme&#xa0;» pour créer une alarme&#xa0;:
tous ses réglages deviennent alors modifiables. Pour terminer le
réglage, relâchez le bouton «&#xa0;Modifier&#xa0;» (devenu «&#xa0;Valider&#xa0;»).</translation>
    </message>
    <message>
        <source>You can set any possible schedule using four types of alarms:
Once, Daily, Weekly and Monthly.</source>
        <translation>Quatre types d&apos;alarmes permettent toutes les programmations
possibles&#xa0;: «&#xa0;Une fois&#xa0;», «&#xa0;Quotidienne&#xa0;», «&#xa0;Hebdomadaire&#xa0;» et
«&#xa0;Mensuelle&#xa0;».</translation>
    </message>
    <message>
        <source>Although Horavine comes with variety of bitmap textures,
wake-up pictures, and wav files (for the alarm), you can use
your own. For example, you can set the alarm to your favorite
song, or take a picture of what you need to do, and then set it as
the wake-up picture!</source>
        <translation>Horavine propose un choix de textures bitmap, d&apos;images de réveil
et de fichiers WAV (pour l&apos;alarme), mais vous pouvez utiliser les
vôtres. Par exemple, faites sonner l&apos;alarme sur votre chanson
préférée, ou prenez en photo ce que vous avez à faire et
choisissez-la comme image de réveil&#xa0;!</translation>
    </message>
    <message>
        <source>The wav file will be played on your Sound playback - Default
device
at your desktop&apos;s Sound settings -&gt; Output.</source>
        <translation>Le fichier WAV est joué sur le périphérique de sortie audio par
défaut, choisi dans les paramètres Son de votre bureau -&gt; Sortie.</translation>
    </message>
    <message>
        <source>You can use Open Doc tab to start any file your desktop has
file-association with (including multi-media files, e.g. AVI, mp3)</source>
        <translation>L&apos;onglet «&#xa0;Ouvrir un document&#xa0;» permet d&apos;ouvrir tout fichier que
votre bureau associe à une application (y compris les fichiers
multimédias, par exemple AVI, MP3).</translation>
    </message>
    <message>
        <source>If you want an alarm with a message-remainder, simply type
your message instead of the file name when the &quot;open-picture&quot;
dialog box appears.</source>
        <translation>Pour une alarme avec un message de rappel, tapez simplement
votre message à la place du nom de fichier quand la boîte de
dialogue d&apos;ouverture d&apos;image apparaît.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>ce n&apos;est pas un fichier GIF</translation>
    </message>
    <message>
        <source>damaged GIF data (%1)</source>
        <translation>données GIF endommagées (%1)</translation>
    </message>
    <message>
        <source>the GIF file holds no picture</source>
        <translation>le fichier GIF ne contient aucune image</translation>
    </message>
    <message>
        <source>the first frame (%1 × %2 at %3, %4) lies outside the %5 × %6 picture</source>
        <translation>la première trame (%1 × %2 en %3, %4) dépasse de l&apos;image de %5 × %6</translation>
    </message>
    <message>
        <source>the GIF file has no colour table</source>
        <translation>le fichier GIF n&apos;a pas de palette de couleurs</translation>
    </message>
    <message>
        <source>a pixel uses colour %1 of a %2-colour table</source>
        <translation>un pixel utilise la couleur %1 d&apos;une palette de %2&#xa0;couleurs</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>ce n&apos;est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>the picture is too large (%1 × %2 pixels)</source>
        <translation>l&apos;image est trop grande (%1 × %2&#xa0;pixels)</translation>
    </message>
    <message>
        <source>damaged JPEG data (%1)</source>
        <translation>données JPEG endommagées (%1)</translation>
    </message>
    <message>
        <source>unsupported JPEG colour space (%1 components)</source>
        <translation>espace colorimétrique JPEG non pris en charge (%1&#xa0;composantes)</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot load picture &quot;%1&quot;: %2</source>
        <translation>Impossible de charger l&apos;image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 × %2)</source>
        <translation>l&apos;image n&apos;a aucun pixel (%1 × %2)</translation>
    </message>
    <message>
        <source>not enough memory for %1 × %2 pixels</source>
        <translation>mémoire insuffisante pour %1 × %2&#xa0;pixels</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>unsupported picture format (the file name has no extension)</source>
        <translation>format d&apos;image non pris en charge (le nom du fichier n&apos;a pas d&apos;extension)</translation>
    </message>
    <message>
        <source>unsupported picture format &quot;.%1&quot;</source>
        <translation>format d&apos;image «&#xa0;.%1&#xa0;» non pris en charge</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>Cannot encode a JPEG picture: %1</source>
        <translation>Impossible d&apos;encoder l&apos;image JPEG&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot save picture &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a readable %1 picture (%2)</source>
        <translation>image %1 illisible (%2)</translation>
    </message>
</context>
<context>
    <name>SaveDialogs</name>
    <message>
        <source>Save skin as</source>
        <translation>Enregistrer le thème sous</translation>
    </message>
    <message>
        <source>Clock Skin (*.clk)</source>
        <translation>Thème d&apos;horloge (*.clk)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot listen for later starts on %1: %2</source>
        <translation>Impossible d&apos;écouter les lancements suivants sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>le chemin est trop long</translation>
    </message>
    <message>
        <source>Cannot open the single-instance record %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;instance unique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The single-instance record %1 is not a file of this user</source>
        <translation>Le fichier d&apos;instance unique %1 n&apos;est pas un fichier de cet utilisateur</translation>
    </message>
    <message>
        <source>Cannot lock the single-instance record %1: %2</source>
        <translation>Impossible de verrouiller le fichier d&apos;instance unique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the single-instance record %1</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;instance unique %1</translation>
    </message>
    <message>
        <source>No private folder for the single-instance record could be made in %1 (the names are taken by other users); this copy runs without the guard</source>
        <translation>Aucun dossier privé pour le fichier d&apos;instance unique n&apos;a pu être créé dans %1 (les noms sont pris par d&apos;autres utilisateurs)&#xa0;; cette instance s&apos;exécute sans protection contre les lancements multiples</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: a skin file holds %2 bytes, this one only %3</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: un fichier de thème contient %2&#xa0;octets, celui-ci seulement %3</translation>
    </message>
    <message>
        <source>Missing font -&gt;%1</source>
        <translation>Police manquante -&gt;%1</translation>
    </message>
</context>
<context>
    <name>SnoozeMenu</name>
    <message>
        <source>Snoozed: %1, rings at %2</source>
        <translation>Répétition&#xa0;: %1, sonne à %2</translation>
    </message>
    <message>
        <source>Cancel snooze</source>
        <translation>Annuler la répétition</translation>
    </message>
</context>
<context>
    <name>TexturePatterns</name>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Back Diagonal</source>
        <translation>Diagonal inversé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Quadrillé</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Quadrillé diagonal</translation>
    </message>
    <message>
        <source>Fill 80%</source>
        <translation>Remplissage 80&#xa0;%</translation>
    </message>
    <message>
        <source>Fill 60%</source>
        <translation>Remplissage 60&#xa0;%</translation>
    </message>
    <message>
        <source>Fill 40%</source>
        <translation>Remplissage 40&#xa0;%</translation>
    </message>
    <message>
        <source>Fill 20%</source>
        <translation>Remplissage 20&#xa0;%</translation>
    </message>
    <message>
        <source>Fill 10%</source>
        <translation>Remplissage 10&#xa0;%</translation>
    </message>
    <message>
        <source>Zig zag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>Vertical small</source>
        <translation>Vertical fin</translation>
    </message>
    <message>
        <source>Horiz. small</source>
        <translation>Horiz. fin</translation>
    </message>
    <message>
        <source>Diag. small</source>
        <translation>Diag. fin</translation>
    </message>
    <message>
        <source>Back Diag. small</source>
        <translation>Diag. inversé fin</translation>
    </message>
    <message>
        <source>Cross small</source>
        <translation>Quadrillé fin</translation>
    </message>
    <message>
        <source>Diag. Cross small</source>
        <translation>Quadrillé diag. fin</translation>
    </message>
</context>
<context>
    <name>TexturePickers</name>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Images BMP (*.bmp)</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmSchedulePages</name>
    <message>
        <source>Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>How often the alarm rings.</extracomment>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Set the alarm time</source>
        <translation>Régler l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Other date</source>
        <translation>Autre date</translation>
    </message>
    <message>
        <source> Delete alarm after </source>
        <translation> Supprimer l&apos;alarme </translation>
    </message>
    <message>
        <source>Playing It</source>
        <translation>Après avoir sonné</translation>
    </message>
    <message>
        <source>Delete an alarm after playing it</source>
        <translation>Supprimer l&apos;alarme une fois qu&apos;elle a sonné</translation>
    </message>
    <message>
        <source>Expired On Start</source>
        <translation>Si expirée au démarrage</translation>
    </message>
    <message>
        <source>Delete an alarm if it expires on start</source>
        <translation>Supprimer l&apos;alarme si elle a expiré au démarrage de l&apos;horloge</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Ring the alarm every # days</source>
        <translation>Faire sonner l&apos;alarme tous les N&#xa0;jours</translation>
    </message>
    <message>
        <source>Set the starting date</source>
        <translation>Régler la date de début</translation>
    </message>
    <message>
        <source>Every %1 days.</source>
        <extracomment>%1 is the box with the number of days.</extracomment>
        <translation>Tous les %1 jours.</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Ring the alarm every # weeks</source>
        <translation>Faire sonner l&apos;alarme toutes les N&#xa0;semaines</translation>
    </message>
    <message>
        <source>Every %1 week</source>
        <extracomment>%1 is the box with the number of weeks.</extracomment>
        <translation>Toutes les %1 semaines</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>Short month names, as on the boxes of the months an alarm rings in.</extracomment>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>Short month name.</extracomment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>date of the month</comment>
        <extracomment>&quot;Day [15]&quot;: the alarm rings on that date of the month.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>On which date of the month</source>
        <translation>Quel jour du mois</translation>
    </message>
    <message>
        <source>The</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month: the words before two lists.</extracomment>
        <translation>Le</translation>
    </message>
    <message>
        <source>Every 1st,2nd...</source>
        <translation>Chaque 1er, 2e…</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month.</extracomment>
        <translation>1er</translation>
    </message>
    <message>
        <source>second</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>third</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>Day of the week</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is today&apos;s date.</extracomment>
        <translation>Aujourd&apos;hui %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is tomorrow&apos;s date.</extracomment>
        <translation>Demain %1</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmShowGroup</name>
    <message>
        <source> Show </source>
        <translation> Affichage </translation>
    </message>
    <message>
        <source>The alarm name</source>
        <translation>Nom de l&apos;alarme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation>Tester l&apos;alarme</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>The image or text to wake you up</source>
        <translation>L&apos;image ou le texte qui vous réveillera</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The sound to wake you up</source>
        <translation>Le son qui vous réveillera</translation>
    </message>
    <message>
        <source>Stays on </source>
        <translation>Durée </translation>
    </message>
    <message>
        <source>How long the sound will last</source>
        <translation>Durée de la sonnerie</translation>
    </message>
    <message>
        <source>Sound length</source>
        <extracomment>How long the alarm sound stays on: as long as the sound file itself.</extracomment>
        <translation>Une lecture</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <extracomment>How long the alarm sound stays on, in minutes.</extracomment>
        <translation>
            <numerusform>%n&#xa0;min</numerusform>
            <numerusform>%n&#xa0;min</numerusform>
        </translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Illimitée</translation>
    </message>
    <message>
        <source>Start a document with registered extension</source>
        <translation>Ouvrir un document avec l&apos;application associée à son type</translation>
    </message>
    <message>
        <source>Audio + Image</source>
        <translation>Son + image</translation>
    </message>
    <message>
        <source>Open Document (file)</source>
        <translation>Ouvrir un document (fichier)</translation>
    </message>
</context>
<context>
    <name>horavine::SnoozeButton</name>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1&#xa0;minutes</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Répéter dans %1&#xa0;min</translation>
    </message>
    <message>
        <source>Shows the alarm again in %1 minutes</source>
        <translation>Affiche à nouveau l&apos;alarme dans %1&#xa0;minutes</translation>
    </message>
</context>
<context>
    <name>horavine::TBrushDialog</name>
    <message>
        <source>Texture Editor</source>
        <translation>Éditeur de texture</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur…</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source> Transperancy</source>
        <translation> Transparence</translation>
    </message>
    <message>
        <source>Transperancy</source>
        <translation>Transparence</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>Fichier de texture introuvable.</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
</context>
<context>
    <name>horavine::TfrAlarm</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source> Edit selected</source>
        <translation> Modifier</translation>
    </message>
    <message>
        <source>Alarm tools</source>
        <translation>Outils des alarmes</translation>
    </message>
    <message>
        <source> Create alarm </source>
        <translation> Nouvelle alarme </translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Créer une nouvelle alarme</translation>
    </message>
    <message>
        <source> Delete alarm</source>
        <translation> Supprimer</translation>
    </message>
    <message>
        <source>Delete selected alarm</source>
        <translation>Supprimer l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>Edit selected alarm</source>
        <translation>Modifier l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source> Name</source>
        <extracomment>Column headings of the alarm list.</extracomment>
        <translation> Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Next date to ring</source>
        <translation>Prochaine sonnerie</translation>
    </message>
    <message>
        <source> End Editing</source>
        <translation> Valider</translation>
    </message>
    <message>
        <source> Edit Selected</source>
        <translation> Modifier</translation>
    </message>
    <message>
        <source>No alarm selected</source>
        <translation>Aucune alarme sélectionnée</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; alarm ?</source>
        <extracomment>%1 is the alarm&apos;s name.</extracomment>
        <translation>Supprimer l&apos;alarme «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>WAV file (*.wav)</source>
        <translation>Fichier WAV (*.wav)</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.mp3 *.flac)</source>
        <translation>Fichiers audio (*.wav *.ogg *.oga *.mp3 *.flac)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmOptions</name>
    <message>
        <source>Horavine Clock v%1  -  Options</source>
        <extracomment>The options window&apos;s caption; %1 is the version number.</extracomment>
        <translation>Horloge Horavine v%1  –  Options</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Skin Galleries</source>
        <translation>Galeries</translation>
    </message>
    <message>
        <source>  Alarms  </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Alarmes  </translation>
    </message>
    <message>
        <source>  Help   </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Aide   </translation>
    </message>
    <message>
        <source>  Take a picture</source>
        <translation>  Prendre une photo</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation>Thème actif</translation>
    </message>
    <message>
        <source>Horavine, a skinnable desktop clock - read the user guide</source>
        <translation>Horavine, horloge de bureau à thèmes – lire le guide d&apos;utilisation</translation>
    </message>
    <message>
        <source> Shape </source>
        <translation> Forme </translation>
    </message>
    <message>
        <source>Choose a clock shape</source>
        <translation>Choisir la forme de l&apos;horloge</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carrée</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrondie</translation>
    </message>
    <message>
        <source>Transparency [%] </source>
        <translation>Transparence [%] </translation>
    </message>
    <message>
        <source>Clock transparency</source>
        <translation>Transparence de l&apos;horloge</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Général </translation>
    </message>
    <message>
        <source>Clock size</source>
        <translation>Taille de l&apos;horloge</translation>
    </message>
    <message>
        <source> Texture</source>
        <translation> Texture</translation>
    </message>
    <message>
        <source>Overlaped texture</source>
        <translation>Texture superposée</translation>
    </message>
    <message>
        <source> First</source>
        <extracomment>A colour button: the band&apos;s first colour.</extracomment>
        <translation> Début</translation>
    </message>
    <message>
        <source>%1: middle color position</source>
        <extracomment>Accessible name; %1 is the group&apos;s caption, e.g. &quot;Hours Colors (inner band)&quot;.</extracomment>
        <translation>%1&#xa0;: position de la couleur médiane</translation>
    </message>
    <message>
        <source> Last</source>
        <extracomment>A colour button: the band&apos;s last colour.</extracomment>
        <translation> Fin</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>The unit after the read-out&apos;s size box (per cent of the face).</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source> Hours Colors (inner band) </source>
        <translation> Couleurs des heures (anneau intérieur) </translation>
    </message>
    <message>
        <source>First color for hours band</source>
        <translation>Couleur de début de l&apos;anneau des heures</translation>
    </message>
    <message>
        <source>Last color for hours band</source>
        <translation>Couleur de fin de l&apos;anneau des heures</translation>
    </message>
    <message>
        <source> Minutes Colors (outer band) </source>
        <translation> Couleurs des minutes (anneau extérieur) </translation>
    </message>
    <message>
        <source>First color for minutes band</source>
        <translation>Couleur de début de l&apos;anneau des minutes</translation>
    </message>
    <message>
        <source>Last color for minutes band</source>
        <translation>Couleur de fin de l&apos;anneau des minutes</translation>
    </message>
    <message>
        <source> Tics </source>
        <translation> Graduations </translation>
    </message>
    <message>
        <source>Choose tics width</source>
        <translation>Choisir la largeur des graduations</translation>
    </message>
    <message>
        <source> Color</source>
        <translation> Couleur</translation>
    </message>
    <message>
        <source>Choose tics color</source>
        <translation>Choisir la couleur des graduations</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>The width of the tics, in pixels.</extracomment>
        <translation>Largeur</translation>
    </message>
    <message>
        <source> Seconds </source>
        <translation> Secondes </translation>
    </message>
    <message>
        <source>Empty Circle</source>
        <translation>Cercle vide</translation>
    </message>
    <message>
        <source>Full Circle</source>
        <translation>Cercle plein</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No second marker at all.</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Empty Square</source>
        <translation>Carré vide</translation>
    </message>
    <message>
        <source>Full Square</source>
        <translation>Carré plein</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Choose second hand shape</source>
        <translation>Choisir la forme de l&apos;aiguille des secondes</translation>
    </message>
    <message>
        <source>Choose second hand color</source>
        <translation>Choisir la couleur de l&apos;aiguille des secondes</translation>
    </message>
    <message>
        <source> Tics Band (middle) </source>
        <translation> Anneau des graduations (milieu) </translation>
    </message>
    <message>
        <source> Background Color</source>
        <translation> Couleur de fond</translation>
    </message>
    <message>
        <source>Choose tics band color</source>
        <translation>Choisir la couleur de l&apos;anneau des graduations</translation>
    </message>
    <message>
        <source>Inner/middle band boundary position</source>
        <translation>Position de la limite entre l&apos;anneau intérieur et celui du milieu</translation>
    </message>
    <message>
        <source>Middle/outer band boundary position</source>
        <translation>Position de la limite entre l&apos;anneau du milieu et l&apos;anneau extérieur</translation>
    </message>
    <message>
        <source> Digital Clock </source>
        <translation> Horloge numérique </translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Where the digital read-out stands on the face: nowhere, at the top, ...</extracomment>
        <translation>Masquée</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Au milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Digilal clock position/Off</source>
        <translation>Position de l&apos;horloge numérique (ou masquée)</translation>
    </message>
    <message>
        <source>Digital clock size</source>
        <translation>Taille de l&apos;horloge numérique</translation>
    </message>
    <message>
        <source>Digital clock font</source>
        <translation>Police de l&apos;horloge numérique</translation>
    </message>
    <message>
        <source>Digital clock font color</source>
        <translation>Couleur de la police de l&apos;horloge numérique</translation>
    </message>
    <message>
        <source> Permanent Options </source>
        <translation> Options permanentes </translation>
    </message>
    <message>
        <source>Save last pos. on exit</source>
        <translation>Mémoriser la position</translation>
    </message>
    <message>
        <source>Permanent clock size</source>
        <translation>Conserver la taille</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>The clock stays above all</source>
        <translation>L&apos;horloge reste au-dessus de toutes les fenêtres</translation>
    </message>
    <message>
        <source>Random Skin from</source>
        <translation>Thème au hasard dans</translation>
    </message>
    <message>
        <source>Random skin gallery</source>
        <translation>Galerie du thème au hasard</translation>
    </message>
    <message>
        <source> Digital Format </source>
        <translation> Format de l&apos;heure </translation>
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
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Valeur hors limites</translation>
    </message>
    <message>
        <source>Size %1 pixels</source>
        <extracomment>%1 is the box with the clock&apos;s size.</extracomment>
        <translation>Taille %1 pixels</translation>
    </message>
    <message>
        <source>Middle color pos.  %1 %</source>
        <extracomment>%1 is the box with the middle colour&apos;s position, in per cent of the way round.</extracomment>
        <translation>Couleur médiane à  %1 %</translation>
    </message>
    <message>
        <source>From%1 %  to%2 %</source>
        <extracomment>The band&apos;s inner (%1) and outer (%2) edge, boxes in per cent of the radius. %1 comes before %2; no space is needed before a box, the layout leaves a gap.</extracomment>
        <translation>De%1 %  à%2 %</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmShowPic</name>
    <message>
        <source>Your alarm is on !!! / click to close</source>
        <translation>Votre alarme sonne&#xa0;!!! / cliquez pour fermer</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquez pour fermer</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; is ringing</source>
        <translation>L&apos;alarme «&#xa0;%1&#xa0;» sonne</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmTimer</name>
    <message>
        <source>  Timer</source>
        <extracomment>The timer toolbar&apos;s caption.</extracomment>
        <translation>  Chronomètre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmZavIro</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no such file</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a skin (a skin file holds %2 bytes, this one %3)</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un thème (un fichier de thème contient %2&#xa0;octets, celui-ci %3)</translation>
    </message>
    <message>
        <source>%1

Close the clock without saving?</source>
        <extracomment>%1 says why the settings or the alarms could not be saved.</extracomment>
        <translation>%1

Fermer l&apos;horloge sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>Fichier de texture introuvable.</translation>
    </message>
</context>
<context>
    <name>horavine::platform</name>
    <message>
        <source>on Wayland without XWayland the clock cannot place its own window (the position keys and the saved position do nothing) nor stay on top of other windows; drag it to move it. With XWayland it can do both.</source>
        <translation>sous Wayland sans XWayland, l&apos;horloge ne peut ni placer sa propre fenêtre (les touches de position et la position enregistrée sont sans effet) ni rester au-dessus des autres fenêtres. Faites-la glisser pour la déplacer. Avec XWayland, elle peut faire les deux.</translation>
    </message>
</context>
</TS>
