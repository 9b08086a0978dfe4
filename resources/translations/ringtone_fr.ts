<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Site web : &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Assistance : &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel est conçu par &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>À propos de Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>Affichage de %1 à %2
Pointeur à %3</translation>
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
        <translation>Créateur de sonneries</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>Créer des sonneries d’iPhone à partir d’un extrait de n’importe quel fichier audio ou vidéo</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>Arrêter la création de la sonnerie</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>Lit la chanson depuis la tête de lecture</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>Lire l&apos;extrait</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>Lit l&apos;extrait tel que sonnera la sonnerie</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>Arrête la lecture</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>Crée la sonnerie à partir de l&apos;extrait</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>Ouvre le menu</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Réduit la fenêtre</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Extrait</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>La forme d&apos;onde de la chanson avec l&apos;extrait marqué</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>Le gain de la sonnerie</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
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
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Écouter l&apos;extrait</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Gérer&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Aide&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Site web&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;À propos&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>Vers l&apos;iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>Exporter vers iTunes</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>Volume : 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Nom de la sonnerie :</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fondu :</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Gérer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>Installez iTunes pour transférer la sonnerie vers l&apos;iPhone.</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>Veuillez connecter votre iPhone à cet ordinateur.</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>Déverrouillez votre iPhone pour continuer.</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>Touchez « Se fier » sur votre iPhone.</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>Débranchez l&apos;iPhone, rebranchez-le et touchez « Se fier ».</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>Le service iPhone usbmuxd n&apos;est pas en marche. Installez le paquet usbmuxd ou rebranchez l&apos;iPhone.</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>Impossible de connecter l&apos;iPhone : %1. Voir « Dépannage » dans l&apos;aide.</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>Version d&apos;iTunes trop ancienne : la version 7.3 au moins est requise.</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>Impossible de démarrer l&apos;encodeur.</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>Échec de la conversion.</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>Impossible de renommer la sonnerie ; elle a été gardée telle que l&apos;encodeur l&apos;a écrite.</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>Conversion réussie.</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>Envoi vers l&apos;iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>Échec du transfert : l&apos;iPhone a changé pendant l&apos;envoi de la sonnerie. Cliquez sur Générer pour l&apos;envoyer à cet iPhone.</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>Échec du transfert : la copie de la sonnerie a disparu de l&apos;iPhone avant d&apos;y être enregistrée. Cliquez sur Générer pour l&apos;envoyer à nouveau.</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>Pas encore envoyée : la liste des sonneries de l&apos;iPhone contient des valeurs que sa réécriture modifierait ; elle a donc été laissée telle quelle. Vardel réessaie tant que l&apos;iPhone reste connecté.</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>Échec du transfert.</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>Impossible d&apos;initialiser la connexion avec votre iPhone/iTouch !&lt;br&gt;Cette erreur peut survenir si vous branchez un appareil qui n&apos;a jamais été connecté à iTunes sur cet ordinateur.&lt;br&gt;Veuillez procéder comme suit :&lt;br&gt;  * fermez cette application et débranchez votre appareil de l&apos;ordinateur&lt;br&gt;  * lancez iTunes&lt;br&gt;  * branchez l&apos;appareil&lt;br&gt;  * quand il apparaît dans iTunes, quittez iTunes (inutile de synchroniser ou de transférer quoi que ce soit)&lt;br&gt;  * relancez cette application.&lt;br&gt;&lt;br&gt;Désolé pour ce désagrément, il est dû aux restrictions techniques d&apos;Apple...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>Fichier d&apos;entrée non valide</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>Chargement du fichier, veuillez patienter...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>Fichier chargé.</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>Impossible de lire l&apos;audio de ce fichier.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>Tous les formats pris en charge</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>Vidéos prises en charge</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>Audio pris en charge</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>Choisissez le dossier où enregistrer le fichier de sortie.</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>Volume : %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>Les sonneries de plus de 40 secondes peuvent ne pas apparaître sur l&apos;iPhone.</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>Fort : les crêtes sont limitées pour éviter la distorsion.</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>Les pages d’aide manquent à côté du programme.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>Impossible d’ouvrir l’aide : aucun navigateur web n’a été trouvé.</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>Impossible d’ouvrir la page web : aucun navigateur web n’a été trouvé.</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>Aucune sortie audio n’est disponible pour l’écoute. Vérifiez les réglages du son.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>Créer la sonnerie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>Ouvrez d’abord un fichier : la sonnerie est faite de son extrait.</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>L’extrait est vide : choisissez un début avant sa fin.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>« %1 » est un dossier, un périphérique ou un tube, pas un fichier. Choisissez un fichier audio ou vidéo.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>Impossible de lire « %1 » : %2. Vérifiez que le fichier existe et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>« %1 » n’est pas un fichier audio ou vidéo. Choisissez un fichier audio ou vidéo.</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>« %1 » n’a pas de piste audio. Choisissez un fichier avec du son.</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>« %1 » dure une demi-seconde ou moins, trop court pour une sonnerie. Choisissez un fichier plus long.</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>Ramené pour finir avec le fichier ; l’extrait garde sa durée.</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fondu final :</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>Secondes pendant lesquelles la fin de la sonnerie s’estompe jusqu’au silence</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu final</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>Lire l’extrait répète l’extrait avec ses fondus, comme le fera le téléphone, jusqu’à l’arrêt</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>Création de la sonnerie : %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>La création de la sonnerie a été annulée ; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistrée sous %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Sonie égalisée</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>Sonie égalisée : le volume est réglé pour que la sonnerie atteigne -14 LUFS, aussi fort que la musique en streaming</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>La sonie de la sonnerie à ce volume (intégrée, en LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>Avancé pour commencer avec le fichier ; l’extrait garde sa durée.</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>Impossible d’ouvrir le dossier : aucun gestionnaire de fichiers n’a été trouvé.</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>De %1 s à %2 s, durée %3 s</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggérer</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>Place l&apos;extrait sur le passage de la chanson qui mérite le plus d&apos;être entendu ; appuyez de nouveau pour le suivant</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>Suggérer le meilleur passage : l&apos;extrait va sur le passage de la chanson qui mérite le plus d&apos;être entendu ; appuyez de nouveau pour le suivant</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>Suggérer : analyse de la chanson en cours...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>Suggérer : ouvrez d&apos;abord un fichier.</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>Suggérer : le son de ce fichier n&apos;a pas pu être analysé.</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>Suggestion %1 : un passage que la chanson répète, sans doute son refrain.</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>Suggestion %1 : le passage le plus fort, car rien ne se répète dans la chanson.</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>Suggestion %1 : toute la chanson, car elle n&apos;est pas plus longue que l&apos;extrait.</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transfert réussi. Les nouvelles sonneries apparaissent sur l&apos;iPhone une fois qu&apos;il a redémarré.</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transfert réussi. Les sonneries de plus de 40 secondes peuvent ne pas apparaître sur l&apos;iPhone. Les nouvelles sonneries apparaissent sur l&apos;iPhone une fois qu&apos;il a redémarré.</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>Transfert réussi, mais comme sonnerie : le son n’a pas pu devenir un son de message. Changez son type dans Gérer. Les nouveaux sons apparaissent sur l’iPhone après son redémarrage.</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>comme sonnerie</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>comme son de message</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>Envoyer à l’iPhone comme</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Une sonnerie retentit pour les appels ; un son de message pour les messages et les alertes</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>Le son en attente est maintenant sur l’iPhone. Il apparaît après le redémarrage de l’iPhone.</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>Le son en attente n’a pas pu être envoyé : l’iPhone auquel il était destiné n’est plus là. Il reste dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>Un son en attente de l’iPhone n’a pas été envoyé ; il reste dans le dossier de sortie. Renvoyez-le dès que l’iPhone est libre.</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>Une sonnerie était encore en cours d&apos;envoi vers l&apos;iPhone et risque de ne pas y arriver. Elle reste dans le dossier de sortie ; renvoyez-la si l&apos;iPhone ne l&apos;affiche pas.</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>Non envoyée : la liste des sonneries de l&apos;iPhone n&apos;a pas pu être lue, et Vardel n&apos;y a pas touché.</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>Ces modifications attendaient l&apos;iPhone et n&apos;ont pas été appliquées : %1. Refaites-les dès que l&apos;iPhone est libre.</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>Parcourir pour choisir la chanson</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>Ouvre une chanson ou une vidéo</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Parcourir pour choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>Choisit où la sonnerie est enregistrée</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>Affiche les sonneries de l&apos;iPhone</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>Ouvre les pages d&apos;aide dans le navigateur</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>Ouvre la page web de Vardel dans le navigateur</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>Affiche la version et les licences</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>Fichier chargé. %1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>Formats de sonnerie (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>Lecture des sonneries de votre iPhone…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>Connectez votre iPhone pour voir ses sonneries.</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>Non enregistré : l&apos;iPhone a changé avant que la modification ne soit écrite. La liste montre ce que contient cet iPhone ; refaites la modification.</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>Non enregistré : une sonnerie copiée sur l&apos;iPhone en a disparu avant d&apos;y être enregistrée. Ajoutez-la de nouveau.</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>Pas encore enregistré : la liste des sonneries de l&apos;iPhone contient des valeurs que sa réécriture modifierait ; elle a donc été laissée telle quelle. La modification est retentée tant que l&apos;iPhone reste connecté.</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>Redémarrer l&apos;iPhone maintenant ? Les nouvelles sonneries apparaissent dans Réglages, Sons une fois qu&apos;il a redémarré.</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>L&apos;iPhone n&apos;a pas pu être redémarré. Maintenez le bouton latéral et un bouton de volume pour l&apos;éteindre, puis rallumez-le.</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>son de message</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>sonnerie</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>En sonnerie</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>En son SMS</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>en attente d’envoi</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>La liste des sonneries de l&apos;iPhone n&apos;a pas pu être lue. Vardel n&apos;y a pas touché.</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>Ces modifications étaient encore en cours d&apos;écriture sur l&apos;iPhone, qu&apos;un autre programme occupe peut-être, et ne sont pas encore appliquées : %1. Vardel continue d&apos;essayer tant qu&apos;il reste ouvert.</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>renommer « %1 » en « %2 »</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>supprimer « %1 »</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>ajouter « %1 »</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>faire de « %1 » un son de message</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>faire de « %1 » une sonnerie</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>Sonneries de l&apos;iPhone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>Ferme le gestionnaire de sonneries</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>Gérer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>Gérez les sonneries de votre iPhone.</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>Vers le PC</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>Vers l&apos;iPhone</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>Les nouvelles sonneries apparaissent dans Réglages, Sons une fois l&apos;iPhone redémarré</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>Une sonnerie retentit pour les appels ; un son de message pour les messages et les alertes</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>En son SMS</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>Envoyer à un téléphone par Wi‑Fi</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>Ouvrez cette adresse sur le téléphone ou scannez le code :</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 ou ultérieur) : ouvrez la page, touchez Télécharger, puis dans Fichiers : Partager → Utiliser comme sonnerie. iPhone plus anciens : utilisez le câble et Vers l&apos;iPhone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt; : ouvrez la page, touchez Télécharger, puis choisissez le fichier dans Paramètres → Son → Sonnerie.</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>Faire une version de 30 s</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>Code QR de l&apos;adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Durée : %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>Création de la version de 30 s…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>La version de 30 s n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>L&apos;iPhone ne prend une sonnerie depuis Fichiers que jusqu&apos;à 30 s ; celle-ci dure %1.</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>Cet ordinateur n&apos;est sur aucun réseau local : rien n&apos;est servi. Connectez-le au réseau Wi‑Fi du téléphone et rouvrez cette fenêtre.</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>La sonnerie n&apos;a pas pu être servie sur %1.</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>Rien ne s&apos;est encore connecté. Le téléphone doit être sur le même réseau que cet ordinateur, et un pare-feu bloque peut-être le port %1.</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>Téléchargé par %1 à %2</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>La liste des sonneries de l&apos;iPhone n&apos;a pas pu être lue. Vardel n&apos;y a pas touché et n&apos;y a rien écrit.</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>Commencer une nouvelle liste ? L&apos;iPhone n&apos;affichera alors que les sonneries ajoutées à partir de maintenant. L&apos;ancienne liste reste sur l&apos;iPhone sous le nom %1, et les sonneries qu&apos;elle cite y restent aussi.</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>Arrêter l&apos;écoute</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>RememberedShaping</name>
    <message>
        <source>Fade-in %1 s</source>
        <translation>Fondu %1 s</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>Fondu final %1 s</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>Boucle activée</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>Sonie égalisée activée</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1, repris de la dernière fois</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
