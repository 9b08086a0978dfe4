<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Sitio web: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Soporte: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel es un producto de &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Licencias&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>Acerca de Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>Mostrando de %1 a %2
Puntero en %3</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Ringtone Maker</source>
        <translation>Creador de tonos de llamada</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>Crear tonos de llamada para iPhone a partir de un fragmento de cualquier archivo de audio o vídeo</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>Detener la creación del tono</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>Reproduce la canción desde el cabezal</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>Reproducir fragmento</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>Reproduce el fragmento tal como sonará el tono</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>Detiene la reproducción</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>Crea el tono a partir del fragmento</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>Abre el menú</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Minimiza la ventana</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Fragmento</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>La forma de onda de la canción con el fragmento marcado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>La ganancia del tono</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escuchar fragmento</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Gestionar&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Ayuda&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Sitio web&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Acerca de&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>Al iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>Exportar a iTunes</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>Volumen: 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Nombre del tono:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fundido:</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Gestionar...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>&amp;Sitio web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>Instale iTunes para transferir el tono al iPhone.</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>Conecte su iPhone a este ordenador.</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>Desbloquee su iPhone para continuar.</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>Toque «Confiar» en su iPhone.</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>Desconecte el iPhone, vuelva a conectarlo y toque «Confiar».</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>El servicio de iPhone usbmuxd no se está ejecutando. Instale el paquete usbmuxd o vuelva a conectar el iPhone.</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>No se pudo conectar el iPhone: %1. Consulte «Solución de problemas» en la ayuda.</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>La versión de iTunes es demasiado antigua; se necesita la 7.3 o posterior.</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>No se pudo iniciar el codificador.</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>Error en la conversión.</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>No se pudo cambiar el nombre del tono; se conserva tal como lo escribió el codificador.</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>Conversión completada.</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>Enviando al iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>La transferencia falló: el iPhone cambió mientras se enviaba el tono. Pulse Generar para enviarlo a este iPhone.</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>La transferencia falló: la copia del tono desapareció del iPhone antes de guardarse allí. Pulse Generar para enviarlo de nuevo.</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>Aún no enviado: la lista de tonos del iPhone contiene valores que cambiarían al reescribirla, así que se ha dejado como estaba. Vardel lo vuelve a intentar mientras el iPhone siga conectado.</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>Error en la transferencia.</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>¡No se pudo iniciar la conexión con su iPhone/iTouch!&lt;br&gt;Este error puede aparecer si intenta conectar un dispositivo que nunca se ha conectado a iTunes en este ordenador.&lt;br&gt;Pruebe lo siguiente:&lt;br&gt;  * cierre esta aplicación y desconecte el dispositivo del ordenador&lt;br&gt;  * inicie iTunes&lt;br&gt;  * conecte el dispositivo&lt;br&gt;  * cuando aparezca en iTunes, salga de iTunes (no hace falta sincronizar ni transferir nada)&lt;br&gt;  * vuelva a iniciar esta aplicación.&lt;br&gt;&lt;br&gt;Disculpe las molestias; se deben a las restricciones técnicas de Apple...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>Archivo de entrada no válido</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>Cargando el archivo, espere...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>Archivo cargado.</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>No se pudo leer el audio de este archivo.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>Todos los formatos compatibles</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>Vídeo compatible</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>Audio compatible</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>Seleccione una carpeta para guardar el archivo de salida.</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>Volumen: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>Es posible que los tonos de más de 40 segundos no aparezcan en el iPhone.</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>Alto: los picos se limitan para evitar la distorsión.</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>Faltan las páginas de ayuda junto al programa.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>No se pudo abrir la ayuda: no se encontró ningún navegador web.</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>No se pudo abrir la página web: no se encontró ningún navegador web.</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>No hay ninguna salida de audio disponible para la escucha previa. Revise la configuración de sonido.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>Generar el tono</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>Abra primero un archivo: el tono se hace con su fragmento.</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>El fragmento está vacío: elija un inicio anterior a su final.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>«%1» es una carpeta, un dispositivo o una tubería, no un archivo. Elija un archivo de audio o vídeo.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>No se puede leer «%1»: %2. Compruebe que el archivo existe y que tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>«%1» no es un archivo de audio o vídeo. Elija un archivo de audio o vídeo.</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>«%1» no tiene pista de audio. Elija un archivo con sonido.</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>«%1» dura medio segundo o menos, demasiado corto para un tono. Elija un archivo más largo.</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>Movido atrás para terminar con el archivo; el fragmento conserva su duración.</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fundido final:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>Segundos durante los que el final del tono se desvanece hasta el silencio</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fundido final</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>Reproducir fragmento repite el fragmento con sus fundidos, como lo hará el teléfono, hasta que se detenga</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>Creando el tono: %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>Se canceló la creación del tono; no se guardó nada.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Sonoridad igualada</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>Sonoridad igualada: el volumen se ajusta para que el tono alcance -14 LUFS, tan alto como la música en streaming</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>La sonoridad del tono con este volumen (integrada, en LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>Movido adelante para empezar con el archivo; el fragmento conserva su duración.</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>No se pudo abrir la carpeta: no se encontró ningún gestor de archivos.</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>De %1 s a %2 s, %3 s de duración</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugerir</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>Lleva el fragmento a la parte de la canción que más merece oírse; pulse de nuevo para la siguiente</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>Sugerir la mejor parte: el fragmento pasa a la parte de la canción que más merece oírse; pulse de nuevo para la siguiente</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>Sugerir: se está analizando la canción...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>Sugerir: abra primero un archivo.</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>Sugerir: no se pudo analizar el sonido de este archivo.</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>Sugerencia %1: una parte que la canción repite, probablemente el estribillo.</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>Sugerencia %1: la parte más fuerte, ya que nada se repite en la canción.</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>Sugerencia %1: la canción entera, ya que no es más larga que el fragmento.</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transferencia completada. Los tonos nuevos aparecen en el iPhone cuando se haya reiniciado.</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transferencia completada. Es posible que los tonos de más de 40 segundos no aparezcan en el iPhone. Los tonos nuevos aparecen en el iPhone cuando se haya reiniciado.</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transferencia correcta, pero como tono de llamada: no se pudo convertir en tono de mensaje. Cambie su tipo en Administrar. Los tonos nuevos aparecen en el iPhone cuando se ha reiniciado.</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>como tono de llamada</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>como tono de mensaje</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>Enviar al iPhone como</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Un tono de llamada suena con las llamadas; un tono de mensaje, con los mensajes y avisos</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>El tono que esperaba ya está en el iPhone. Aparece cuando el iPhone se ha reiniciado.</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>No se pudo enviar el tono que esperaba: el iPhone al que iba destinado ya no está. Se queda en la carpeta de salida.</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>Un tono que esperaba al iPhone no se envió; se queda en la carpeta de salida. Vuelva a enviarlo cuando el iPhone esté libre.</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>Todavía se estaba enviando un tono al iPhone y puede que no llegue. Se queda en la carpeta de salida; envíelo de nuevo si el iPhone no lo muestra.</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>No enviado: no se pudo leer la lista de tonos del iPhone, y Vardel la dejó intacta.</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>Estos cambios esperaban al iPhone y no se aplicaron: %1. Vuelva a hacerlos cuando el iPhone esté libre.</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>Buscar la canción</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>Abre una canción o un vídeo</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Buscar la carpeta de salida</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>Elige dónde se guarda el tono</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>Muestra los tonos del iPhone</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>Abre las páginas de ayuda en el navegador</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>Abre la página web de Vardel en el navegador</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>Muestra la versión y las licencias</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>Archivo cargado. %1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>Formatos de tono (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>Leyendo los tonos de su iPhone…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>Conecte su iPhone para ver sus tonos.</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>No guardado: el iPhone cambió antes de escribir el cambio. La lista muestra lo que contiene este iPhone; vuelva a hacer el cambio.</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>No guardado: un tono copiado al iPhone desapareció de él antes de guardarse allí. Añádalo de nuevo.</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>Aún no guardado: la lista de tonos del iPhone contiene valores que cambiarían al reescribirla, así que se ha dejado como estaba. El cambio se vuelve a intentar mientras el iPhone siga conectado.</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>¿Reiniciar el iPhone ahora? Los tonos nuevos aparecen en Ajustes, Sonidos cuando se haya vuelto a iniciar.</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>No se ha podido reiniciar el iPhone. Mantenga pulsados el botón lateral y un botón de volumen para apagarlo y vuelva a encenderlo.</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>tono de mensaje</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>tono de llamada</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>Como llamada</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Como mensaje</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>pendiente de envío</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>No se pudo leer la lista de tonos del iPhone. Vardel la dejó intacta.</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>Estos cambios aún se estaban escribiendo en el iPhone, que quizá esté ocupado por otro programa, y todavía no se han aplicado: %1. Vardel sigue intentándolo mientras permanezca abierto.</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>cambiar el nombre de «%1» a «%2»</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>eliminar «%1»</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>añadir «%1»</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>convertir «%1» en tono de mensaje</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>convertir «%1» en tono de llamada</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>Tonos del iPhone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>Cierra el gestor de tonos</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>Gestionar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>Gestione los tonos de su iPhone.</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>Copiar al PC</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>Los tonos nuevos aparecen en Ajustes, Sonidos cuando el iPhone se haya reiniciado</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Un tono de llamada suena con las llamadas; un tono de mensaje, con los mensajes y avisos</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Como mensaje</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>Enviar a un teléfono por Wi‑Fi</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>Abre esta dirección en el teléfono o escanea el código:</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 o posterior): abre la página, toca Descargar y luego en Archivos: Compartir → Usar como tono. iPhone anteriores: usa el cable y Al iPhone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;: abre la página, toca Descargar y elige el archivo en Ajustes → Sonido → Tono.</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>Hacer una versión de 30 s</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>Código QR de la dirección</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>Haciendo la versión de 30 s…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>No se pudo hacer la versión de 30 s.</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>El iPhone solo toma un tono desde Archivos hasta 30 s; este dura %1.</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>Este ordenador no está en ninguna red local, así que no se sirve nada. Conéctalo a la red Wi‑Fi del teléfono y vuelve a abrir esta ventana.</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>No se pudo servir el tono en %1.</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>Aún no se ha conectado nada. El teléfono debe estar en la misma red que este ordenador, y puede que un cortafuegos bloquee el puerto %1.</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>Descargado por %1 a las %2</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>No se pudo leer la lista de tonos del iPhone. Vardel la dejó intacta y no escribió nada en ella.</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>¿Empezar una lista nueva? El iPhone mostrará entonces solo los tonos añadidos a partir de ahora. La lista antigua se queda en el iPhone como %1, y los tonos que nombra también se quedan allí.</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>Detener la escucha</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>RememberedShaping</name>
    <message>
        <source>Fade-in %1 s</source>
        <translation>Fundido %1 s</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>Fundido final %1 s</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>Repetir activado</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>Sonoridad igualada activada</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1, de la última vez</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
