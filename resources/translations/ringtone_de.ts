<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Website: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel wird von &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt; entwickelt.</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Lizenzen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>Über Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>Ansicht %1 bis %2
Zeiger bei %3</translation>
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
        <translation>Klingelton-Ersteller</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>iPhone-Klingeltöne aus einem Ausschnitt einer beliebigen Audio- oder Videodatei erstellen</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>Erstellen des Klingeltons abbrechen</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>Spielt das Lied ab der Abspielposition</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>Ausschnitt abspielen</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>Spielt den Ausschnitt so, wie der Klingelton klingen wird</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>Hält die Wiedergabe an</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>Erstellt den Klingelton aus dem Ausschnitt</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>Öffnet das Menü</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Minimiert das Fenster</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Ausschnitt</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>Die Wellenform des Lieds mit dem markierten Ausschnitt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>Die Verstärkung des Klingeltons</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ausschnitt anhören</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Eingabedatei:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Verwalten&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Hilfe&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Website&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Info&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>Aufs iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>Nach iTunes exportieren</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>Lautstärke: 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Anfang:</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Name des Klingeltons:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fade-in:</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Verwalten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>&amp;Website</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>Installieren Sie iTunes, um den Klingelton auf das iPhone zu übertragen.</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>Bitte verbinden Sie Ihr iPhone mit diesem Computer.</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>Entsperren Sie Ihr iPhone, um fortzufahren.</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>Tippen Sie auf Ihrem iPhone auf „Vertrauen“.</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>Trennen Sie das iPhone, schließen Sie es wieder an und tippen Sie auf „Vertrauen“.</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>Der iPhone-Dienst usbmuxd läuft nicht. Installieren Sie das Paket usbmuxd oder schließen Sie das iPhone erneut an.</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>Das iPhone konnte nicht verbunden werden: %1. Siehe „Fehlerbehebung“ in der Hilfe.</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>iTunes-Version zu alt, mindestens 7.3 wird benötigt.</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>Der Encoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>Konvertierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>Der Klingelton konnte nicht umbenannt werden; er bleibt so, wie der Encoder ihn geschrieben hat.</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>Konvertierung erfolgreich.</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>Wird an das iPhone gesendet…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>Übertragung fehlgeschlagen: Das iPhone wurde gewechselt, während der Klingelton gesendet wurde. Klicken Sie auf „Erzeugen“, um ihn an dieses iPhone zu senden.</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>Übertragung fehlgeschlagen: Die Kopie des Klingeltons ist vom iPhone verschwunden, bevor sie dort gespeichert wurde. Klicken Sie auf „Erzeugen“, um ihn erneut zu senden.</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>Noch nicht gesendet: Die Klingeltonliste des iPhone enthält Werte, die sich beim Neuschreiben ändern würden, daher blieb sie unverändert. Vardel versucht es erneut, solange das iPhone verbunden bleibt.</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>Übertragung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>Die Verbindung zu Ihrem iPhone/iTouch konnte nicht hergestellt werden!&lt;br&gt;Dieser Fehler kann auftreten, wenn Sie ein Gerät anschließen, das an diesem Computer noch nie mit iTunes verbunden war.&lt;br&gt;Bitte gehen Sie so vor:&lt;br&gt;  * Beenden Sie dieses Programm und trennen Sie Ihr Gerät vom Computer&lt;br&gt;  * Starten Sie iTunes&lt;br&gt;  * Schließen Sie das Gerät an&lt;br&gt;  * Sobald es in iTunes erscheint, beenden Sie iTunes (Synchronisieren oder Übertragen ist nicht nötig)&lt;br&gt;  * Starten Sie dieses Programm neu.&lt;br&gt;&lt;br&gt;Bitte entschuldigen Sie die Unannehmlichkeiten; sie gehen auf technische Beschränkungen von Apple zurück...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>Ungültige Eingabedatei</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>Datei wird geladen, bitte warten...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>Datei geladen.</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>Der Ton dieser Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>Alle unterstützten Formate</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>Unterstützte Videos</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>Unterstützte Audiodateien</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>Wählen Sie einen Ordner für die Ausgabedatei.</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>Lautstärke: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>Klingeltöne, die länger als 40 Sekunden sind, werden auf dem iPhone möglicherweise nicht angezeigt.</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>Laut: Spitzen werden begrenzt, um Verzerrungen zu vermeiden.</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>Die Hilfeseiten fehlen neben dem Programm.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden: Es wurde kein Webbrowser gefunden.</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>Die Webseite konnte nicht geöffnet werden: Es wurde kein Webbrowser gefunden.</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>Für die Vorschau ist keine Audioausgabe verfügbar. Prüfen Sie die Toneinstellungen.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>Klingelton erzeugen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>Öffnen Sie zuerst eine Datei: Der Klingelton entsteht aus ihrem Ausschnitt.</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>Der Ausschnitt ist leer: Wählen Sie einen Anfang vor seinem Ende.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>„%1“ ist ein Ordner, ein Gerät oder eine Pipe, keine Datei. Wählen Sie eine Audio- oder Videodatei.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>„%1“ kann nicht gelesen werden: %2. Prüfen Sie, ob die Datei vorhanden ist und Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>„%1“ ist keine Audio- oder Videodatei. Wählen Sie eine Audio- oder Videodatei.</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>„%1“ hat keine Tonspur. Wählen Sie eine Datei mit Ton.</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>„%1“ dauert eine halbe Sekunde oder weniger, zu kurz für einen Klingelton. Wählen Sie eine längere Datei.</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>Zurückgeschoben, sodass er mit der Datei endet; der Ausschnitt behält seine Länge.</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fade-out:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>Sekunden, über die das Ende des Klingeltons bis zur Stille ausgeblendet wird</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fade-out</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>„Ausschnitt abspielen“ wiederholt den Ausschnitt mit seinen Blenden wie das Telefon, bis er angehalten wird</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>Klingelton wird erstellt: %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>Das Erstellen des Klingeltons wurde abgebrochen; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Gleiche Lautheit</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>Gleiche Lautheit: Die Lautstärke wird so gesetzt, dass der Klingelton -14 LUFS erreicht, so laut wie gestreamte Musik</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>Die Lautheit des Klingeltons bei dieser Lautstärke (integriert, in LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>Vorgeschoben, sodass er mit der Datei beginnt; der Ausschnitt behält seine Länge.</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>Der Ordner konnte nicht geöffnet werden: Es wurde kein Dateimanager gefunden.</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>Von %1 s bis %2 s, %3 s lang</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>Setzt den Ausschnitt auf den hörenswertesten Teil des Lieds; erneut drücken für den nächsten</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>Den besten Teil vorschlagen: Der Ausschnitt springt auf den hörenswertesten Teil des Lieds; erneut drücken für den nächsten</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>Vorschlagen: Das Lied wird analysiert...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>Vorschlagen: Öffnen Sie zuerst eine Datei.</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>Vorschlagen: Der Ton dieser Datei konnte nicht analysiert werden.</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>Vorschlag %1: ein Teil, den das Lied wiederholt, wohl der Refrain.</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>Vorschlag %1: der lauteste Teil, da sich im Lied nichts wiederholt.</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>Vorschlag %1: das ganze Lied, da es nicht länger als der Ausschnitt ist.</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>Übertragung erfolgreich. Neue Töne erscheinen auf dem iPhone, sobald es neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>Übertragung erfolgreich. Klingeltöne, die länger als 40 Sekunden sind, werden auf dem iPhone möglicherweise nicht angezeigt. Neue Töne erscheinen auf dem iPhone, sobald es neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>Übertragung erfolgreich, aber als Klingelton: Der Ton konnte nicht zum Nachrichtenton gemacht werden. Ändern Sie seine Art unter „Verwalten“. Neue Töne erscheinen auf dem iPhone, sobald es neu gestartet wurde.</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>als Klingelton</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>als Nachrichtenton</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>An das iPhone senden als</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Ein Klingelton klingelt bei Anrufen, ein Nachrichtenton bei Nachrichten und Hinweisen</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>Der wartende Ton ist jetzt auf dem iPhone. Er erscheint, sobald das iPhone neu gestartet wurde.</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>Der wartende Ton konnte nicht gesendet werden: Das iPhone, für das er bestimmt war, ist nicht mehr da. Er bleibt im Ausgabeordner.</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>Ein Ton, der auf das iPhone gewartet hat, wurde nicht gesendet; er bleibt im Ausgabeordner. Senden Sie ihn erneut, sobald das iPhone frei ist.</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>Ein Ton wurde noch an das iPhone gesendet und kommt dort möglicherweise nicht an. Er bleibt im Ausgabeordner; senden Sie ihn erneut, falls das iPhone ihn nicht anzeigt.</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>Nicht gesendet: Die Klingeltonliste des iPhone konnte nicht gelesen werden; Vardel hat sie unverändert gelassen.</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>Diese Änderungen warteten auf das iPhone und wurden nicht übernommen: %1. Nehmen Sie sie erneut vor, sobald das iPhone frei ist.</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>Lied auswählen</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>Öffnet ein Lied oder ein Video</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>Legt fest, wo der Klingelton gespeichert wird</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>Zeigt die Klingeltöne auf dem iPhone</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>Öffnet die Hilfeseiten im Webbrowser</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>Öffnet die Webseite von Vardel im Webbrowser</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>Zeigt die Version und die Lizenzen</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>Datei geladen. %1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>Klingeltonformate (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>Die Klingeltöne auf Ihrem iPhone werden gelesen…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>Schließen Sie Ihr iPhone an, um seine Klingeltöne zu sehen.</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>Nicht gespeichert: Das iPhone wurde gewechselt, bevor die Änderung geschrieben wurde. Die Liste zeigt, was dieses iPhone enthält; nehmen Sie die Änderung erneut vor.</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>Nicht gespeichert: Ein auf das iPhone kopierter Klingelton ist von dort verschwunden, bevor er gespeichert wurde. Fügen Sie ihn erneut hinzu.</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>Noch nicht gespeichert: Die Klingeltonliste des iPhone enthält Werte, die sich beim Neuschreiben ändern würden, daher blieb sie unverändert. Die Änderung wird erneut versucht, solange das iPhone verbunden bleibt.</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>iPhone jetzt neu starten? Neue Klingeltöne erscheinen unter Einstellungen, Töne, sobald es wieder gestartet ist.</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>Das iPhone konnte nicht neu gestartet werden. Halten Sie die Seitentaste und eine Lautstärketaste gedrückt, um es auszuschalten, und schalten Sie es dann wieder ein.</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>Nachrichtenton</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>Klingelton</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>Als Klingelton</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Als Nachricht</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>wartet auf das Senden</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>Die Klingeltonliste des iPhone konnte nicht gelesen werden. Vardel hat sie unverändert gelassen.</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>Diese Änderungen wurden noch auf das iPhone geschrieben, das womöglich ein anderes Programm belegt, und sind noch nicht übernommen: %1. Vardel versucht es weiter, solange es geöffnet bleibt.</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>„%1“ in „%2“ umbenennen</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>„%1“ entfernen</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>„%1“ hinzufügen</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>„%1“ zum SMS-Ton machen</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>„%1“ zum Klingelton machen</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>Klingeltöne auf dem iPhone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>Schließt die Klingeltonverwaltung</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>Verwalten</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>Klingeltöne auf Ihrem iPhone verwalten.</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>Auf den PC</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>Aufs iPhone</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>Neue Klingeltöne erscheinen unter Einstellungen, Töne, sobald das iPhone neu gestartet wurde</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Ein Klingelton klingelt bei Anrufen, ein Nachrichtenton bei Nachrichten und Hinweisen</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Als Nachricht</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>Per WLAN an ein Telefon senden</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>Öffne diese Adresse auf dem Telefon oder scanne den Code:</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt; (ab iOS 26): Seite öffnen, auf Herunterladen tippen, dann in Dateien: Teilen → Als Klingelton verwenden. Ältere iPhones: Kabel anschließen und Aufs iPhone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;: Seite öffnen, auf Herunterladen tippen, dann die Datei unter Einstellungen → Töne → Klingelton wählen.</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>30-s-Fassung erstellen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>QR-Code der Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>30-s-Fassung wird erstellt…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>Die 30-s-Fassung konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>Das iPhone übernimmt einen Ton aus Dateien nur bis 30 s; dieser dauert %1.</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>Dieser Computer ist in keinem lokalen Netz, daher wird nichts bereitgestellt. Verbinde ihn mit dem WLAN des Telefons und öffne dieses Fenster erneut.</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>Der Ton konnte nicht auf %1 bereitgestellt werden.</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>Noch hat sich nichts verbunden. Das Telefon muss im selben Netz sein wie dieser Computer, und eine Firewall blockiert vielleicht Port %1.</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>Heruntergeladen von %1 um %2</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>Die Klingeltonliste des iPhone konnte nicht gelesen werden. Vardel hat sie unverändert gelassen und nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>Eine neue Liste beginnen? Das iPhone zeigt dann nur die ab jetzt hinzugefügten Klingeltöne. Die alte Liste bleibt als %1 auf dem iPhone, ebenso die Klingeltöne, die sie nennt.</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>Vorhören beenden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>RememberedShaping</name>
    <message>
        <source>Fade-in %1 s</source>
        <translation>Fade-in %1 s</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>Fade-out %1 s</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>Schleife an</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>Gleiche Lautheit an</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1, vom letzten Mal</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
