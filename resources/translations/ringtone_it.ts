<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Sito web: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Assistenza: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel è realizzato da &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Licenze&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>Informazioni su Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>Visualizzazione da %1 a %2
Puntatore a %3</translation>
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
        <translation>Creatore di suonerie</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>Creare suonerie per iPhone da un tratto di qualsiasi file audio o video</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>Interrompi la creazione della suoneria</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>Riproduce il brano dalla testina</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>Riproduci clip</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>Riproduce la clip come suonerà la suoneria</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>Ferma la riproduzione</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>Crea la suoneria dalla clip</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>Apre il menu</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Riduce la finestra a icona</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>La forma d&apos;onda del brano con la clip segnata</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>Il guadagno della suoneria</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ascolta estratto</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Gestisci&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Guida&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Sito web&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Info&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>Su iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>Esporta in iTunes</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>Volume: 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Inizio:</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Fine:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>Cartella di output:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Nome suoneria:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fade-in:</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Gestisci...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>Sito &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>Installa iTunes per trasferire la suoneria sull&apos;iPhone.</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>Collega l&apos;iPhone a questo computer.</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>Sblocca l&apos;iPhone per continuare.</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>Tocca «Autorizza» sull&apos;iPhone.</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>Scollega l&apos;iPhone, ricollegalo e tocca «Autorizza».</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>Il servizio iPhone usbmuxd non è in esecuzione. Installa il pacchetto usbmuxd o ricollega l&apos;iPhone.</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>Impossibile collegare l&apos;iPhone: %1. Vedi «Risoluzione dei problemi» nella guida.</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>Versione di iTunes troppo vecchia: è necessaria almeno la 7.3.</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>Impossibile avviare l&apos;encoder.</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>Conversione non riuscita.</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>Impossibile rinominare la suoneria; è stata lasciata come l&apos;ha scritta l&apos;encoder.</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>Conversione riuscita.</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>Invio all&apos;iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>Trasferimento non riuscito: l&apos;iPhone è cambiato durante l&apos;invio della suoneria. Premi Genera per inviarla a questo iPhone.</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>Trasferimento non riuscito: la copia della suoneria è scomparsa dall&apos;iPhone prima di esservi salvata. Premi Genera per inviarla di nuovo.</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>Non ancora inviata: l&apos;elenco delle suonerie dell&apos;iPhone contiene valori che riscrivendolo cambierebbero, quindi è stato lasciato com&apos;era. Vardel riprova finché l&apos;iPhone resta collegato.</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>Trasferimento non riuscito.</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>Impossibile inizializzare la connessione con l&apos;iPhone/iTouch!&lt;br&gt;Questo errore può verificarsi se si collega un dispositivo che non è mai stato collegato a iTunes su questo computer.&lt;br&gt;Procedere come segue:&lt;br&gt;  * chiudere questa applicazione e scollegare il dispositivo dal computer&lt;br&gt;  * avviare iTunes&lt;br&gt;  * collegare il dispositivo&lt;br&gt;  * quando compare in iTunes, uscire da iTunes (non serve sincronizzare né trasferire nulla)&lt;br&gt;  * riavviare questa applicazione.&lt;br&gt;&lt;br&gt;Ci scusiamo per l&apos;inconveniente, dovuto alle restrizioni tecniche di Apple...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>File di input non valido</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>Caricamento del file, attendere...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>File caricato.</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>Impossibile leggere l&apos;audio di questo file.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>Tutti i formati supportati</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>Video supportati</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>Audio supportati</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>Seleziona una cartella in cui salvare il file di output.</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>Volume: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>Le suonerie più lunghe di 40 secondi potrebbero non comparire sull&apos;iPhone.</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>Forte: i picchi vengono limitati per evitare la distorsione.</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>Le pagine della guida mancano accanto al programma.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>Impossibile aprire la guida: nessun browser web trovato.</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>Impossibile aprire la pagina web: nessun browser web trovato.</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>Nessuna uscita audio disponibile per l’anteprima. Controllare le impostazioni audio.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Apri un file</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>Genera la suoneria</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>Apri prima un file: la suoneria è fatta dal suo spezzone.</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>Lo spezzone è vuoto: scegli un inizio prima della fine.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>«%1» è una cartella, un dispositivo o una pipe, non un file. Scegli un file audio o video.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>Impossibile leggere «%1»: %2. Verifica che il file esista e di avere il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>«%1» non è un file audio o video. Scegli un file audio o video.</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>«%1» non ha una traccia audio. Scegli un file con audio.</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>«%1» dura mezzo secondo o meno, troppo poco per una suoneria. Scegli un file più lungo.</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>Spostato indietro per finire con il file; lo spezzone mantiene la sua durata.</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fade-out:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>Secondi in cui la fine della suoneria sfuma fino al silenzio</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fade-out</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>Riproduci clip ripete la clip con le sue dissolvenze, come farà il telefono, finché non viene fermata</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>Creazione della suoneria: %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>La creazione della suoneria è stata annullata; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvata come %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Loudness uniforme</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>Loudness uniforme: il volume viene impostato perché la suoneria raggiunga -14 LUFS, forte come la musica in streaming</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>La loudness della suoneria a questo volume (integrata, in LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>Spostato avanti per iniziare con il file; lo spezzone mantiene la sua durata.</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>Impossibile aprire la cartella: non è stato trovato alcun gestore di file.</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>Da %1 s a %2 s, durata %3 s</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggerisci</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>Porta la clip sulla parte del brano che più merita l&apos;ascolto; premi di nuovo per la successiva</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>Suggerisci la parte migliore: la clip va sulla parte del brano che più merita l&apos;ascolto; premi di nuovo per la successiva</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>Suggerisci: analisi del brano in corso...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>Suggerisci: apri prima un file.</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>Suggerisci: non è stato possibile analizzare l&apos;audio di questo file.</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>Suggerimento %1: una parte che il brano ripete, probabilmente il ritornello.</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>Suggerimento %1: la parte più forte, poiché nel brano non si ripete nulla.</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>Suggerimento %1: tutto il brano, poiché non è più lungo della clip.</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>Trasferimento riuscito. I nuovi toni compaiono sull&apos;iPhone dopo il riavvio.</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>Trasferimento riuscito. Le suonerie più lunghe di 40 secondi potrebbero non comparire sull&apos;iPhone. I nuovi toni compaiono sull&apos;iPhone dopo il riavvio.</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>Trasferimento riuscito, ma come suoneria: non è stato possibile renderlo un suono messaggio. Cambiane il tipo in Gestisci. I nuovi suoni compaiono sull’iPhone dopo il riavvio.</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>come suoneria</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>come suono messaggio</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>Invia all’iPhone come</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Una suoneria suona per le chiamate; un suono messaggio per messaggi e avvisi</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>Il suono in attesa ora è sull’iPhone. Compare dopo il riavvio dell’iPhone.</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>Non è stato possibile inviare il suono in attesa: l’iPhone a cui era destinato non c’è più. Resta nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>Un suono in attesa dell’iPhone non è stato inviato; resta nella cartella di destinazione. Invialo di nuovo quando l’iPhone è libero.</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>Un suono era ancora in invio all&apos;iPhone e potrebbe non arrivarci. Resta nella cartella di destinazione; invialo di nuovo se l&apos;iPhone non lo mostra.</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>Non inviata: impossibile leggere l&apos;elenco delle suonerie dell&apos;iPhone; Vardel lo ha lasciato intatto.</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>Queste modifiche attendevano l&apos;iPhone e non sono state applicate: %1. Ripetile quando l&apos;iPhone è libero.</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>Sfoglia per scegliere il brano</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>Apre un brano o un video</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Sfoglia per scegliere la cartella di destinazione</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>Sceglie dove salvare la suoneria</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>Elenca le suonerie sull&apos;iPhone</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>Apre le pagine della guida nel browser</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>Apre la pagina web di Vardel nel browser</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>Mostra la versione e le licenze</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>File caricato. %1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>Formati suoneria (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>Lettura delle suonerie del tuo iPhone…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>Collega l’iPhone per vederne le suonerie.</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>Non salvato: l&apos;iPhone è cambiato prima che la modifica venisse scritta. L&apos;elenco mostra ciò che contiene questo iPhone; ripeti la modifica.</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>Non salvato: una suoneria copiata sull&apos;iPhone è scomparsa prima di esservi salvata. Aggiungila di nuovo.</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>Non ancora salvato: l&apos;elenco delle suonerie dell&apos;iPhone contiene valori che riscrivendolo cambierebbero, quindi è stato lasciato com&apos;era. La modifica viene ritentata finché l&apos;iPhone resta collegato.</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>Riavviare l&apos;iPhone ora? Le nuove suonerie compaiono in Impostazioni, Suoni dopo il riavvio.</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>Impossibile riavviare l&apos;iPhone. Tieni premuti il tasto laterale e un tasto del volume per spegnerlo, poi riaccendilo.</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>suono messaggio</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>suoneria</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>Come suoneria</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Come messaggio</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>in attesa di invio</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>Impossibile leggere l&apos;elenco delle suonerie dell&apos;iPhone. Vardel lo ha lasciato intatto.</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>Queste modifiche erano ancora in scrittura sull&apos;iPhone, forse occupato da un altro programma, e non sono ancora applicate: %1. Vardel continua a provare finché resta aperto.</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>rinominare «%1» in «%2»</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>rimuovere «%1»</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>aggiungere «%1»</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>rendere «%1» un tono SMS</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>rendere «%1» una suoneria</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>Suonerie sull&apos;iPhone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>Chiude il gestore delle suonerie</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>Gestisci</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>Gestisci le suonerie del tuo iPhone.</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>Salva su PC</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>Le nuove suonerie compaiono in Impostazioni, Suoni dopo il riavvio dell&apos;iPhone</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Una suoneria suona per le chiamate; un suono messaggio per messaggi e avvisi</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>Come messaggio</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>Invia a un telefono via Wi‑Fi</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>Apri questo indirizzo sul telefono o inquadra il codice:</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 o successivo): apri la pagina, tocca Scarica, poi in File: Condividi → Usa come suoneria. iPhone meno recenti: usa il cavo e Su iPhone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;: apri la pagina, tocca Scarica, poi scegli il file in Impostazioni → Suoni → Suoneria.</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>Crea una versione di 30 s</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>Codice QR dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>Creazione della versione di 30 s…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>Non è stato possibile creare la versione di 30 s.</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>L&apos;iPhone accetta una suoneria da File solo fino a 30 s; questa dura %1.</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>Questo computer non è in nessuna rete locale, quindi non viene servito nulla. Collegalo alla rete Wi‑Fi del telefono e riapri questa finestra.</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>Non è stato possibile servire la suoneria su %1.</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>Non si è ancora collegato nulla. Il telefono deve essere sulla stessa rete di questo computer, e un firewall potrebbe bloccare la porta %1.</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>Scaricato da %1 alle %2</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>Impossibile leggere l&apos;elenco delle suonerie dell&apos;iPhone. Vardel lo ha lasciato intatto e non vi ha scritto nulla.</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>Iniziare un nuovo elenco? L&apos;iPhone mostrerà allora solo le suonerie aggiunte da ora in poi. Il vecchio elenco resta sull&apos;iPhone come %1, e anche le suonerie che nomina restano lì.</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>Interrompi l&apos;ascolto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
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
        <translation>Ripeti attivo</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>Loudness uniforme attiva</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1, dall&apos;ultima volta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
