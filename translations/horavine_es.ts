<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AlarmEditing</name>
    <message>
        <source>New Alarm</source>
        <translation>Nueva alarma</translation>
    </message>
</context>
<context>
    <name>AlarmFileDialog</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of file name masks.</extracomment>
        <translation>Imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmFiring</name>
    <message>
        <source>Internal error 1001 - %1/%2</source>
        <translation>Error interno 1001 - %1/%2</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; should&apos;ve rung earlier(at %2) today.</source>
        <extracomment>The missed-alarm notice; %1 is the alarm&apos;s name, %2 its time.</extracomment>
        <translation>La alarma «%1» tendría que haber sonado hoy más temprano (a las %2).</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely, and no copy of it could be kept. Alarms that could not be read will be lost when the alarms are saved.</source>
        <translation>No se pudo leer por completo el archivo de alarmas «%1» ni conservar una copia de él. Las alarmas que no se pudieron leer se perderán cuando se guarden las alarmas.</translation>
    </message>
    <message>
        <source>The alarm file &quot;%1&quot; could not be read completely; the alarms that could be read are shown. The original file was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the alarm file, %2 the copy of it that was kept.</extracomment>
        <translation>No se pudo leer por completo el archivo de alarmas «%1»; se muestran las alarmas que sí se pudieron leer. El archivo original se conservó como «%2».</translation>
    </message>
</context>
<context>
    <name>AlarmMessage</name>
    <message>
        <source>Rinnnng... (%1)</source>
        <extracomment>The alarm window&apos;s text when the alarm has no picture; %1 is the alarm&apos;s name. The window shows only what follows the last &quot;/&quot;, &quot;\&quot; or &quot;:&quot;, so the text must not hold these characters.</extracomment>
        <translation>Riiiing… (%1)</translation>
    </message>
</context>
<context>
    <name>AlarmRow</name>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>&lt;Expired&gt;</source>
        <translation>&lt;Caducada&gt;</translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Cannot play the sound file %1: the sound player cannot be loaded (%2)</source>
        <extracomment>%1 is the sound file, %2 why the player could not be loaded.</extracomment>
        <translation>No se puede reproducir el archivo de sonido %1: no se puede cargar el reproductor de sonido (%2)</translation>
    </message>
    <message>
        <source>the sound&apos;s format is not understood</source>
        <translation>no se reconoce el formato del sonido</translation>
    </message>
    <message>
        <source>Cannot play the sound file %1: %2</source>
        <translation>No se puede reproducir el archivo de sonido %1: %2</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>Cannot create the folder %1; the clock runs from %2 and cannot save</source>
        <translation>No se puede crear la carpeta %1; el reloj se ejecuta desde %2 y no podrá guardar nada</translation>
    </message>
    <message>
        <source>No shipped data at %1: %2 has no default skin</source>
        <translation>No hay datos de instalación en %1: %2 no tiene el tema predeterminado</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>No se puede copiar %1 en %2: %3</translation>
    </message>
</context>
<context>
    <name>FaceStyle</name>
    <message>
        <source>Texture file not found.</source>
        <translation>No se encontró el archivo de textura.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Missing font - %1</source>
        <translation>Falta el tipo de letra - %1</translation>
    </message>
</context>
<context>
    <name>OptionsButtons</name>
    <message>
        <source>Save skin as...</source>
        <translation>Guardar tema como…</translation>
    </message>
    <message>
        <source>Close the clock</source>
        <translation>Cerrar el reloj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>OptionsHelp</name>
    <message>
        <source>You can move Horavine when you drag and drop it with the left
mouse button or using arrow keys on the left of NumPad.</source>
        <translation>Puede mover Horavine arrastrándolo con el botón izquierdo del
ratón o con las teclas de flecha a la izquierda del NumPad.</translation>
    </message>
    <message>
        <source>NumPad keys will move Horavine to the screen corners;
up/down/left/right arrows - in the respective directions;
+/-  NumPad buttons will change the size of the clock.</source>
        <translation>Las teclas del NumPad llevan Horavine a las esquinas de la
pantalla; las flechas arriba/abajo/izquierda/derecha, hacia ese
lado; las teclas +/- del NumPad cambian el tamaño del reloj.</translation>
    </message>
    <message>
        <source>Click with the right mouse button on the clock to make options
appear. When you are done with the options, click Done button.</source>
        <translation>Haga clic con el botón derecho del ratón sobre el reloj para ver
las opciones. Cuando termine con ellas, pulse el botón «Hecho».</translation>
    </message>
    <message>
        <source>Press &quot;T&quot; to switch to timer mode. Close the timer toolbar to
switch back to clock mode.</source>
        <translation>Pulse «T» para pasar al modo cronómetro. Cierre la barra del
cronómetro para volver al modo reloj.</translation>
    </message>
    <message>
        <source>Press &quot;H&quot; to hide the clock, show it back by clicking on the tray
icon.</source>
        <translation>Pulse «H» para ocultar el reloj; para volver a mostrarlo, haga
clic en su icono del área de notificación.</translation>
    </message>
    <message>
        <source>How to remove the automatic start-up:
Open your desktop&apos;s autostart folder (~/.config/autostart) and delete
the entry for Horavine.
Or run &quot;horavine-cli autostart off&quot; in a terminal.</source>
        <translation>Cómo quitar el inicio automático:
Abra la carpeta de inicio automático de su escritorio
(~/.config/autostart) y elimine la entrada de Horavine.
O ejecute «horavine-cli autostart off» en una terminal.</translation>
    </message>
    <message>
        <source>If you click the right mouse button or press &quot;O&quot;, an options
panel will appear and you &apos;re ready to customize your very own
Horavine skin.
Most of the buttons and fields are self-explanatory, but if you
have any doubts, experiment using &quot;Skins Galleries&quot; as
examples.</source>
        <translation>Si hace clic con el botón derecho del ratón o pulsa «O», aparecerá
un panel de opciones y podrá personalizar su propio tema de
Horavine.
La mayoría de los botones y campos se explican por sí solos, pero
si tiene alguna duda, experimente tomando como ejemplo los temas
de las «Galerías de temas».</translation>
    </message>
    <message>
        <source>To create your own skin, take one of the provided skins, modify
it and then save it under a different name.</source>
        <translation>Para crear su propio tema, tome uno de los temas incluidos,
modifíquelo y guárdelo después con otro nombre.</translation>
    </message>
    <message>
        <source>The clock face is divided by three areas (from inside out):
hours, ticks (middle) and minutes + digital clock. You can
change parameters of an individual area and you can use
background texture to give overall styling of the clock.</source>
        <translation>La esfera del reloj se divide en tres zonas (del centro hacia
fuera): horas, marcas (en medio) y minutos + reloj digital. Puede
cambiar los parámetros de cada zona por separado y usar una
textura de fondo para dar un estilo de conjunto al reloj.</translation>
    </message>
    <message>
        <source>Permanent options:</source>
        <translation>Opciones permanentes:</translation>
    </message>
    <message>
        <source>- Save last position when clock closes.</source>
        <translation>- Guardar la última posición al cerrar el reloj.</translation>
    </message>
    <message>
        <source>- Clock skin contains a size, when it was created, but you can
make the new skin has the same size as the last opened.</source>
        <translation>- Cada tema guarda el tamaño con el que se creó, pero puede hacer
que el tema nuevo tenga el mismo tamaño que el último abierto.</translation>
    </message>
    <message>
        <source>- Always on top makes the clock appear on the top of all
windows opened.</source>
        <translation>- «Siempre encima» hace que el reloj aparezca por encima de todas
las ventanas abiertas.</translation>
    </message>
    <message>
        <source>- If Random skin is checked Horavine will pick randomly a skin
from selected gallery.</source>
        <translation>- Si marca «Tema aleatorio de», Horavine elegirá un tema al azar
de la galería seleccionada.</translation>
    </message>
    <message>
        <source>- Digital format option allows you to choose between AM/PM
and 24 hours format.</source>
        <translation>- La opción «Formato digital» permite elegir entre los formatos
AM/PM y 24 horas.</translation>
    </message>
    <message>
        <source>Press &quot;Create Alarm&quot; button to set new alarm, then all the alarm
settings become enabled. To finish setting the alarm unpress
&quot;Edit Selected&quot; button.</source>
        <translation>Pulse el botón «Crear alarma» para crear una alarma nueva; se
activarán todos los ajustes de la alarma. Para terminar de
configurarla, vuelva a pulsar el botón «Editar alarma», que
ahora dice «Terminar edición».</translation>
    </message>
    <message>
        <source>You can set any possible schedule using four types of alarms:
Once, Daily, Weekly and Monthly.</source>
        <translation>Puede programar cualquier calendario con cuatro tipos de alarma:
Una vez, Diaria, Semanal y Mensual.</translation>
    </message>
    <message>
        <source>Although Horavine comes with variety of bitmap textures,
wake-up pictures, and wav files (for the alarm), you can use
your own. For example, you can set the alarm to your favorite
song, or take a picture of what you need to do, and then set it as
the wake-up picture!</source>
        <translation>Aunque Horavine incluye varias texturas de mapa de bits, imágenes
para despertar y archivos wav (para la alarma), puede usar los
suyos. Por ejemplo, puede poner su canción favorita como alarma,
¡o tomar una foto de lo que tiene que hacer y usarla después como
imagen para despertar!</translation>
    </message>
    <message>
        <source>The wav file will be played on your Sound playback - Default
device
at your desktop&apos;s Sound settings -&gt; Output.</source>
        <translation>El archivo wav se reproducirá en su dispositivo de sonido
predeterminado
según la configuración de Sonido de su escritorio -&gt; Salida.</translation>
    </message>
    <message>
        <source>You can use Open Doc tab to start any file your desktop has
file-association with (including multi-media files, e.g. AVI, mp3)</source>
        <translation>Con la pestaña «Abrir documento» puede abrir cualquier archivo que
su escritorio tenga asociado a un programa (también archivos
multimedia, p. ej., AVI o mp3).</translation>
    </message>
    <message>
        <source>If you want an alarm with a message-remainder, simply type
your message instead of the file name when the &quot;open-picture&quot;
dialog box appears.</source>
        <translation>Si quiere una alarma con un mensaje recordatorio, simplemente
escriba el mensaje en lugar del nombre del archivo cuando aparezca
el diálogo para abrir la imagen.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Diseño del tema</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>no es un archivo GIF</translation>
    </message>
    <message>
        <source>damaged GIF data (%1)</source>
        <translation>datos GIF dañados (%1)</translation>
    </message>
    <message>
        <source>the GIF file holds no picture</source>
        <translation>el archivo GIF no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>the first frame (%1 × %2 at %3, %4) lies outside the %5 × %6 picture</source>
        <translation>el primer fotograma (%1 × %2 en %3, %4) queda fuera de la imagen de %5 × %6</translation>
    </message>
    <message>
        <source>the GIF file has no colour table</source>
        <translation>el archivo GIF no tiene tabla de colores</translation>
    </message>
    <message>
        <source>a pixel uses colour %1 of a %2-colour table</source>
        <translation>un píxel usa el color %1 de una tabla de %2 colores</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>no es un archivo JPEG</translation>
    </message>
    <message>
        <source>the picture is too large (%1 × %2 pixels)</source>
        <translation>la imagen es demasiado grande (%1 × %2 píxeles)</translation>
    </message>
    <message>
        <source>damaged JPEG data (%1)</source>
        <translation>datos JPEG dañados (%1)</translation>
    </message>
    <message>
        <source>unsupported JPEG colour space (%1 components)</source>
        <translation>espacio de color JPEG no compatible (%1 componentes)</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Cannot load picture &quot;%1&quot;: %2</source>
        <translation>No se puede cargar la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 × %2)</source>
        <translation>la imagen no tiene píxeles (%1 × %2)</translation>
    </message>
    <message>
        <source>not enough memory for %1 × %2 pixels</source>
        <translation>no hay memoria suficiente para %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>unsupported picture format (the file name has no extension)</source>
        <translation>formato de imagen no compatible (el nombre del archivo no tiene extensión)</translation>
    </message>
    <message>
        <source>unsupported picture format &quot;.%1&quot;</source>
        <translation>formato de imagen no compatible «.%1»</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>Cannot encode a JPEG picture: %1</source>
        <translation>No se puede codificar una imagen JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot save picture &quot;%1&quot;: %2</source>
        <translation>No se puede guardar la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>not a readable %1 picture (%2)</source>
        <translation>no es una imagen %1 legible (%2)</translation>
    </message>
</context>
<context>
    <name>SaveDialogs</name>
    <message>
        <source>Save skin as</source>
        <translation>Guardar tema como</translation>
    </message>
    <message>
        <source>Clock Skin (*.clk)</source>
        <translation>Tema de reloj (*.clk)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Imagen JPEG (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot listen for later starts on %1: %2</source>
        <translation>No se puede escuchar en %1 para detectar inicios posteriores: %2</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>la ruta es demasiado larga</translation>
    </message>
    <message>
        <source>Cannot open the single-instance record %1: %2</source>
        <translation>No se puede abrir el registro de instancia única %1: %2</translation>
    </message>
    <message>
        <source>The single-instance record %1 is not a file of this user</source>
        <translation>El registro de instancia única %1 no es un archivo de este usuario</translation>
    </message>
    <message>
        <source>Cannot lock the single-instance record %1: %2</source>
        <translation>No se puede bloquear el registro de instancia única %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the single-instance record %1</source>
        <translation>No se puede escribir el registro de instancia única %1</translation>
    </message>
    <message>
        <source>No private folder for the single-instance record could be made in %1 (the names are taken by other users); this copy runs without the guard</source>
        <translation>No se pudo crear en %1 una carpeta privada para el registro de instancia única (otros usuarios ocupan los nombres); esta copia se ejecuta sin esa protección</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: a skin file holds %2 bytes, this one only %3</source>
        <translation>No se puede leer «%1»: un archivo de tema tiene %2 bytes y este solo %3</translation>
    </message>
    <message>
        <source>Missing font -&gt;%1</source>
        <translation>Falta el tipo de letra -&gt;%1</translation>
    </message>
</context>
<context>
    <name>SnoozeMenu</name>
    <message>
        <source>Snoozed: %1, rings at %2</source>
        <translation>Pospuesta: %1, suena a las %2</translation>
    </message>
    <message>
        <source>Cancel snooze</source>
        <translation>Cancelar el aplazamiento</translation>
    </message>
</context>
<context>
    <name>TexturePatterns</name>
    <message>
        <source>Solid</source>
        <translation>Sólida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
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
        <translation>Diagonal inversa</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruzada</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Diagonal cruzada</translation>
    </message>
    <message>
        <source>Fill 80%</source>
        <translation>Relleno 80 %</translation>
    </message>
    <message>
        <source>Fill 60%</source>
        <translation>Relleno 60 %</translation>
    </message>
    <message>
        <source>Fill 40%</source>
        <translation>Relleno 40 %</translation>
    </message>
    <message>
        <source>Fill 20%</source>
        <translation>Relleno 20 %</translation>
    </message>
    <message>
        <source>Fill 10%</source>
        <translation>Relleno 10 %</translation>
    </message>
    <message>
        <source>Zig zag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>Vertical small</source>
        <translation>Vertical fina</translation>
    </message>
    <message>
        <source>Horiz. small</source>
        <translation>Horiz. fina</translation>
    </message>
    <message>
        <source>Diag. small</source>
        <translation>Diag. fina</translation>
    </message>
    <message>
        <source>Back Diag. small</source>
        <translation>Diag. inversa fina</translation>
    </message>
    <message>
        <source>Cross small</source>
        <translation>Cruzada fina</translation>
    </message>
    <message>
        <source>Diag. Cross small</source>
        <translation>Diag. cruzada fina</translation>
    </message>
</context>
<context>
    <name>TexturePickers</name>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmSchedulePages</name>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>How often the alarm rings.</extracomment>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Set the alarm time</source>
        <translation>Establecer la hora de la alarma</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Other date</source>
        <translation>Otra fecha</translation>
    </message>
    <message>
        <source> Delete alarm after </source>
        <translation> Eliminar la alarma </translation>
    </message>
    <message>
        <source>Playing It</source>
        <translation>Tras sonar</translation>
    </message>
    <message>
        <source>Delete an alarm after playing it</source>
        <translation>Eliminar la alarma después de que suene</translation>
    </message>
    <message>
        <source>Expired On Start</source>
        <translation>Si caducó al iniciar</translation>
    </message>
    <message>
        <source>Delete an alarm if it expires on start</source>
        <translation>Eliminar la alarma si ha caducado al iniciar el reloj</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Hora de la alarma</translation>
    </message>
    <message>
        <source>Ring the alarm every # days</source>
        <translation>Hacer sonar la alarma cada # días</translation>
    </message>
    <message>
        <source>Set the starting date</source>
        <translation>Establecer la fecha de inicio</translation>
    </message>
    <message>
        <source>Every %1 days.</source>
        <extracomment>%1 is the box with the number of days.</extracomment>
        <translation>Cada %1 día(s).</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Ring the alarm every # weeks</source>
        <translation>Hacer sonar la alarma cada # semanas</translation>
    </message>
    <message>
        <source>Every %1 week</source>
        <extracomment>%1 is the box with the number of weeks.</extracomment>
        <translation>Cada %1 semana(s)</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>Short month names, as on the boxes of the months an alarm rings in.</extracomment>
        <translation>Ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>Short month name.</extracomment>
        <translation>May</translation>
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
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dic</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>date of the month</comment>
        <extracomment>&quot;Day [15]&quot;: the alarm rings on that date of the month.</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>On which date of the month</source>
        <translation>Día del mes en que suena la alarma</translation>
    </message>
    <message>
        <source>The</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month: the words before two lists.</extracomment>
        <translation>El</translation>
    </message>
    <message>
        <source>Every 1st,2nd...</source>
        <translation>Cada 1.º, 2.º…</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>&quot;The [first] [Monday]&quot; of the month.</extracomment>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>Day of the week</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is today&apos;s date.</extracomment>
        <translation>Hoy %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is tomorrow&apos;s date.</extracomment>
        <translation>Mañana %1</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
</context>
<context>
    <name>horavine::AlarmShowGroup</name>
    <message>
        <source> Show </source>
        <translation> Mostrar </translation>
    </message>
    <message>
        <source>The alarm name</source>
        <translation>Nombre de la alarma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation>Probar alarma</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The image or text to wake you up</source>
        <translation>Imagen o texto para despertar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The sound to wake you up</source>
        <translation>Sonido para despertar</translation>
    </message>
    <message>
        <source>Stays on </source>
        <translation>Suena </translation>
    </message>
    <message>
        <source>How long the sound will last</source>
        <translation>Cuánto tiempo sonará</translation>
    </message>
    <message>
        <source>Sound length</source>
        <extracomment>How long the alarm sound stays on: as long as the sound file itself.</extracomment>
        <translation>Una vez</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <extracomment>How long the alarm sound stays on, in minutes.</extracomment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Sin parar</translation>
    </message>
    <message>
        <source>Start a document with registered extension</source>
        <translation>Abrir un documento con el programa asociado a su tipo</translation>
    </message>
    <message>
        <source>Audio + Image</source>
        <translation>Sonido + imagen</translation>
    </message>
    <message>
        <source>Open Document (file)</source>
        <translation>Abrir documento</translation>
    </message>
</context>
<context>
    <name>horavine::SnoozeButton</name>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Posponer %1 min</translation>
    </message>
    <message>
        <source>Shows the alarm again in %1 minutes</source>
        <translation>Muestra la alarma de nuevo dentro de %1 minutos</translation>
    </message>
</context>
<context>
    <name>horavine::TBrushDialog</name>
    <message>
        <source>Texture Editor</source>
        <translation>Editor de texturas</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color…</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Imagen…</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source> Transperancy</source>
        <translation> Transparencia</translation>
    </message>
    <message>
        <source>Transperancy</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>No se encontró el archivo de textura.</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Examinar…</translation>
    </message>
</context>
<context>
    <name>horavine::TfrAlarm</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source> Edit selected</source>
        <translation> Editar alarma</translation>
    </message>
    <message>
        <source>Alarm tools</source>
        <translation>Herramientas de alarmas</translation>
    </message>
    <message>
        <source> Create alarm </source>
        <translation> Crear alarma </translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Crear una alarma nueva</translation>
    </message>
    <message>
        <source> Delete alarm</source>
        <translation> Eliminar alarma</translation>
    </message>
    <message>
        <source>Delete selected alarm</source>
        <translation>Eliminar la alarma seleccionada</translation>
    </message>
    <message>
        <source>Edit selected alarm</source>
        <translation>Editar la alarma seleccionada</translation>
    </message>
    <message>
        <source> Name</source>
        <extracomment>Column headings of the alarm list.</extracomment>
        <translation> Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Next date to ring</source>
        <translation>Próxima fecha</translation>
    </message>
    <message>
        <source> End Editing</source>
        <translation> Terminar edición</translation>
    </message>
    <message>
        <source> Edit Selected</source>
        <translation> Editar alarma</translation>
    </message>
    <message>
        <source>No alarm selected</source>
        <translation>No hay ninguna alarma seleccionada</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; alarm ?</source>
        <extracomment>%1 is the alarm&apos;s name.</extracomment>
        <translation>¿Eliminar la alarma «%1»?</translation>
    </message>
    <message>
        <source>WAV file (*.wav)</source>
        <translation>Archivo WAV (*.wav)</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.mp3 *.flac)</source>
        <translation>Archivos de sonido (*.wav *.ogg *.oga *.mp3 *.flac)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmOptions</name>
    <message>
        <source>Horavine Clock v%1  -  Options</source>
        <extracomment>The options window&apos;s caption; %1 is the version number.</extracomment>
        <translation>Reloj Horavine v%1  -  Opciones</translation>
    </message>
    <message>
        <source>Skin Design</source>
        <translation>Diseño del tema</translation>
    </message>
    <message>
        <source>Skin Galleries</source>
        <translation>Galerías de temas</translation>
    </message>
    <message>
        <source>  Alarms  </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Alarmas  </translation>
    </message>
    <message>
        <source>  Help   </source>
        <extracomment>The spaces widen the tab; keep them.</extracomment>
        <translation>  Ayuda   </translation>
    </message>
    <message>
        <source>  Take a picture</source>
        <translation>  Capturar imagen</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Capturar imagen</translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation>Tema activo</translation>
    </message>
    <message>
        <source>Horavine, a skinnable desktop clock - read the user guide</source>
        <translation>Horavine, reloj de escritorio con temas - consulte la guía del usuario</translation>
    </message>
    <message>
        <source> Shape </source>
        <translation> Forma </translation>
    </message>
    <message>
        <source>Choose a clock shape</source>
        <translation>Elegir la forma del reloj</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Redondeada</translation>
    </message>
    <message>
        <source>Transparency [%] </source>
        <translation>Transparencia [%] </translation>
    </message>
    <message>
        <source>Clock transparency</source>
        <translation>Transparencia del reloj</translation>
    </message>
    <message>
        <source> General </source>
        <translation> General </translation>
    </message>
    <message>
        <source>Clock size</source>
        <translation>Tamaño del reloj</translation>
    </message>
    <message>
        <source> Texture</source>
        <translation> Textura</translation>
    </message>
    <message>
        <source>Overlaped texture</source>
        <translation>Textura superpuesta</translation>
    </message>
    <message>
        <source> First</source>
        <extracomment>A colour button: the band&apos;s first colour.</extracomment>
        <translation> Inicial</translation>
    </message>
    <message>
        <source>%1: middle color position</source>
        <extracomment>Accessible name; %1 is the group&apos;s caption, e.g. &quot;Hours Colors (inner band)&quot;.</extracomment>
        <translation>%1: posición del color medio</translation>
    </message>
    <message>
        <source> Last</source>
        <extracomment>A colour button: the band&apos;s last colour.</extracomment>
        <translation> Final</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>The unit after the read-out&apos;s size box (per cent of the face).</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source> Hours Colors (inner band) </source>
        <translation> Colores de las horas (franja interior) </translation>
    </message>
    <message>
        <source>First color for hours band</source>
        <translation>Color inicial de la franja de las horas</translation>
    </message>
    <message>
        <source>Last color for hours band</source>
        <translation>Color final de la franja de las horas</translation>
    </message>
    <message>
        <source> Minutes Colors (outer band) </source>
        <translation> Colores de los minutos (franja exterior) </translation>
    </message>
    <message>
        <source>First color for minutes band</source>
        <translation>Color inicial de la franja de los minutos</translation>
    </message>
    <message>
        <source>Last color for minutes band</source>
        <translation>Color final de la franja de los minutos</translation>
    </message>
    <message>
        <source> Tics </source>
        <translation> Marcas </translation>
    </message>
    <message>
        <source>Choose tics width</source>
        <translation>Elegir el grosor de las marcas</translation>
    </message>
    <message>
        <source> Color</source>
        <translation> Color</translation>
    </message>
    <message>
        <source>Choose tics color</source>
        <translation>Elegir el color de las marcas</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>The width of the tics, in pixels.</extracomment>
        <translation>Grosor</translation>
    </message>
    <message>
        <source> Seconds </source>
        <translation> Segundos </translation>
    </message>
    <message>
        <source>Empty Circle</source>
        <translation>Círculo vacío</translation>
    </message>
    <message>
        <source>Full Circle</source>
        <translation>Círculo lleno</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No second marker at all.</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Empty Square</source>
        <translation>Cuadrado vacío</translation>
    </message>
    <message>
        <source>Full Square</source>
        <translation>Cuadrado lleno</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Choose second hand shape</source>
        <translation>Elegir la forma del segundero</translation>
    </message>
    <message>
        <source>Choose second hand color</source>
        <translation>Elegir el color del segundero</translation>
    </message>
    <message>
        <source> Tics Band (middle) </source>
        <translation> Franja de marcas (central) </translation>
    </message>
    <message>
        <source> Background Color</source>
        <translation> Color de fondo</translation>
    </message>
    <message>
        <source>Choose tics band color</source>
        <translation>Elegir el color de la franja de marcas</translation>
    </message>
    <message>
        <source>Inner/middle band boundary position</source>
        <translation>Posición del límite entre las franjas interior y central</translation>
    </message>
    <message>
        <source>Middle/outer band boundary position</source>
        <translation>Posición del límite entre las franjas central y exterior</translation>
    </message>
    <message>
        <source> Digital Clock </source>
        <translation> Reloj digital </translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Where the digital read-out stands on the face: nowhere, at the top, ...</extracomment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Digilal clock position/Off</source>
        <translation>Posición del reloj digital (o desactivado)</translation>
    </message>
    <message>
        <source>Digital clock size</source>
        <translation>Tamaño del reloj digital</translation>
    </message>
    <message>
        <source>Digital clock font</source>
        <translation>Tipo de letra del reloj digital</translation>
    </message>
    <message>
        <source>Digital clock font color</source>
        <translation>Color de la letra del reloj digital</translation>
    </message>
    <message>
        <source> Permanent Options </source>
        <translation> Opciones permanentes </translation>
    </message>
    <message>
        <source>Save last pos. on exit</source>
        <translation>Guardar posición al salir</translation>
    </message>
    <message>
        <source>Permanent clock size</source>
        <translation>Mantener el tamaño</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>The clock stays above all</source>
        <translation>El reloj queda por encima de todas las ventanas</translation>
    </message>
    <message>
        <source>Random Skin from</source>
        <translation>Tema aleatorio de</translation>
    </message>
    <message>
        <source>Random skin gallery</source>
        <translation>Galería para el tema aleatorio</translation>
    </message>
    <message>
        <source> Digital Format </source>
        <translation> Formato digital </translation>
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
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Valor fuera del rango permitido</translation>
    </message>
    <message>
        <source>Size %1 pixels</source>
        <extracomment>%1 is the box with the clock&apos;s size.</extracomment>
        <translation>Tamaño %1 píxeles</translation>
    </message>
    <message>
        <source>Middle color pos.  %1 %</source>
        <extracomment>%1 is the box with the middle colour&apos;s position, in per cent of the way round.</extracomment>
        <translation>Pos. color medio  %1 %</translation>
    </message>
    <message>
        <source>From%1 %  to%2 %</source>
        <extracomment>The band&apos;s inner (%1) and outer (%2) edge, boxes in per cent of the radius. %1 comes before %2; no space is needed before a box, the layout leaves a gap.</extracomment>
        <translation>De%1 %  a%2 %</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmShowPic</name>
    <message>
        <source>Your alarm is on !!! / click to close</source>
        <translation>¡¡¡Su alarma está sonando!!! / haga clic para cerrar</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
    <message>
        <source>Alarm &quot;%1&quot; is ringing</source>
        <translation>La alarma «%1» está sonando</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmTimer</name>
    <message>
        <source>  Timer</source>
        <extracomment>The timer toolbar&apos;s caption.</extracomment>
        <translation>  Cronómetro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>horavine::TfrmZavIro</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no such file</source>
        <translation>No se puede abrir «%1»: el archivo no existe</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a skin (a skin file holds %2 bytes, this one %3)</source>
        <translation>No se puede abrir «%1»: no es un tema (un archivo de tema tiene %2 bytes y este, %3)</translation>
    </message>
    <message>
        <source>%1

Close the clock without saving?</source>
        <extracomment>%1 says why the settings or the alarms could not be saved.</extracomment>
        <translation>%1

¿Cerrar el reloj sin guardar?</translation>
    </message>
    <message>
        <source>Texture file not found.</source>
        <translation>No se encontró el archivo de textura.</translation>
    </message>
</context>
<context>
    <name>horavine::platform</name>
    <message>
        <source>on Wayland without XWayland the clock cannot place its own window (the position keys and the saved position do nothing) nor stay on top of other windows; drag it to move it. With XWayland it can do both.</source>
        <translation>en Wayland sin XWayland, el reloj no puede colocar su propia ventana (las teclas de posición y la posición guardada no tienen efecto) ni mantenerse por encima de las demás ventanas; arrástrelo para moverlo. Con XWayland puede hacer ambas cosas.</translation>
    </message>
</context>
</TS>
