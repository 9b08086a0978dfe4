<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>ホームページ: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>サポート: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel は &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt; が開発しています。</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;ライセンス&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>Vardel について</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>表示範囲 %1 ～ %2
ポインター位置 %3</translation>
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
        <translation>着信音メーカー</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>あらゆる音声・動画ファイルの一部から iPhone の着信音を作成します</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>着信音の作成を中止</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>再生位置から曲を再生します</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>クリップを再生</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>着信音として鳴る通りにクリップを再生します</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>再生を止めます</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>クリップから着信音を作ります</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>メニューを開きます</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>ウィンドウを最小化します</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>クリップを示した曲の波形</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>着信音の音量の倍率</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>クリップを試聴</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>入力ファイル:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;管理&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;ヘルプ&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;ホーム&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;情報&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>準備完了。</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>iPhone へ</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>iTunes に書き出す</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>音量: 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>開始:</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>終了:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>出力フォルダー:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>着信音の名前:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>フェード
イン:</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>管理(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>着信音を iPhone に転送するには iTunes をインストールしてください。</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>iPhone をこのコンピューターに接続してください。</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>続行するには iPhone のロックを解除してください。</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>iPhone で「信頼」をタップしてください。</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>iPhone を取り外し、もう一度接続して「信頼」をタップしてください。</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>iPhone のサービス usbmuxd が動作していません。usbmuxd パッケージをインストールするか、iPhone を接続し直してください。</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>iPhone に接続できませんでした: %1。ヘルプの「トラブルシューティング」を参照してください。</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>iTunes のバージョンが古すぎます。7.3 以降が必要です。</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>エンコーダーを起動できませんでした。</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>変換に失敗しました。</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>着信音の名前を変更できませんでした。エンコーダーが書き出したまま残しています。</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>変換が完了しました。</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>iPhone に送信しています…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>転送に失敗しました: 着信音の送信中に iPhone が替わりました。この iPhone に送信するには「生成」を押してください。</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>転送に失敗しました: 着信音のコピーが保存される前に iPhone から消えました。もう一度送信するには「生成」を押してください。</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>まだ送信されていません: iPhone の着信音リストには、書き直すと変わってしまう値が含まれているため、そのままにしました。iPhone が接続されている間、Vardel は再試行します。</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>転送に失敗しました。</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>iPhone/iTouch との接続を初期化できませんでした！&lt;br&gt;このコンピューターで一度も iTunes に接続したことのないデバイスを接続すると、このエラーが発生することがあります。&lt;br&gt;次の手順をお試しください:&lt;br&gt;  * このアプリケーションを終了し、デバイスをコンピューターから取り外します&lt;br&gt;  * iTunes を起動します&lt;br&gt;  * デバイスを接続します&lt;br&gt;  * デバイスが iTunes に表示されたら、iTunes を終了します (同期や転送は不要です)&lt;br&gt;  * このアプリケーションを再起動します。&lt;br&gt;&lt;br&gt;ご不便をおかけして申し訳ありません。これは Apple の技術的な制限によるものです...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>無効な入力ファイルです</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>ファイルを読み込んでいます。お待ちください...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>ファイルを読み込みました。</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>このファイルの音声を読み取れませんでした。</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>サポートされているすべての形式</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>サポートされているビデオ</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>サポートされているオーディオ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>出力ファイルを保存するフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>音量: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>40 秒を超える着信音は iPhone に表示されない場合があります。</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>音量大: 歪みを防ぐためピークを制限します。</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>プログラムの横にヘルプページがありません。</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>ヘルプを開けませんでした: Web ブラウザーが見つかりません。</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>Web ページを開けませんでした: Web ブラウザーが見つかりません。</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>プレビュー用のオーディオ出力がありません。サウンド設定を確認してください。</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>着信音を作成</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>まずファイルを開いてください。着信音はその区間から作られます。</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>区間が空です。終了より前に開始を選んでください。</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>「%1」はフォルダー、デバイス、またはパイプで、ファイルではありません。音声または動画ファイルを選んでください。</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>「%1」を読み込めません: %2。ファイルが存在し、読み取り権限があることを確認してください。</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>「%1」は音声または動画ファイルではありません。音声または動画ファイルを選んでください。</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>「%1」には音声トラックがありません。音声のあるファイルを選んでください。</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>「%1」は 0.5 秒以下で、着信音には短すぎます。もっと長いファイルを選んでください。</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>ファイルの終わりで終わるように戻しました。区間の長さはそのままです。</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>フェードアウト:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>着信音の終わりが無音までフェードする秒数</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>フェードアウト</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>クリップ再生は、電話と同じようにフェード付きでクリップを停止するまで繰り返します</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>着信音を作成中: %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>着信音の作成を中止しました。何も保存されていません。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>保存先: %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>ラウドネスを揃える</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>ラウドネスを揃える: 着信音がストリーミング音楽と同じ -14 LUFS になるよう音量を設定します</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>この音量での着信音のラウドネス（統合値、LUFS）</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>ファイルの先頭から始まるように移しました。区間の長さはそのままです。</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>フォルダーを開けませんでした。ファイルマネージャーが見つかりません。</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>%1 秒から %2 秒まで、長さ %3 秒</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>おすすめ</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>曲の中で最も聴きどころの部分にクリップを合わせます。もう一度押すと次の候補です</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>おすすめの部分: 曲の中で最も聴きどころの部分にクリップが移ります。もう一度押すと次の候補です</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>おすすめ: 曲を解析しています...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>おすすめ: まずファイルを開いてください。</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>おすすめ: このファイルの音声を解析できませんでした。</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>おすすめ %1: 曲の中で繰り返される部分、おそらくサビです。</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>おすすめ %1: 曲に繰り返しがないため、最も音の大きい部分です。</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>おすすめ %1: 曲がクリップより長くないため、曲全体です。</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>転送が完了しました。新しいサウンドは iPhone の再起動後に表示されます。</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>転送が完了しました。40 秒を超える着信音は iPhone に表示されない場合があります。新しいサウンドは iPhone の再起動後に表示されます。</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>転送しましたが、着信音として送られました。メッセージ音にできませんでした。「管理」で種類を変更してください。新しいサウンドは iPhone の再起動後に表示されます。</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>着信音として</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>メッセージ音として</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>iPhone に送る種類</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>着信音は電話の着信時に、メッセージ音はメッセージや通知のときに鳴ります</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>待機していたサウンドが iPhone に送られました。iPhone の再起動後に表示されます。</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>待機していたサウンドを送れませんでした。送り先の iPhone が接続されていません。サウンドは出力フォルダーに残ります。</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>iPhone を待っていたサウンドは送られていません。出力フォルダーに残っています。iPhone が使えるようになったら、もう一度送ってください。</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>サウンドはまだ iPhone に送信中だったため、届かない可能性があります。サウンドは出力フォルダーに残ります。iPhone に表示されない場合は、もう一度送信してください。</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>送信されませんでした: iPhone の着信音リストを読み取れなかったため、Vardel はリストに手を加えていません。</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>次の変更は iPhone を待っていたため、適用されていません: %1。iPhone が空いたら、もう一度行ってください。</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>曲を選ぶ</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>曲や動画を開きます</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>出力フォルダーを選ぶ</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>着信音の保存先を選びます</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>iPhone の着信音を一覧にします</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>ヘルプのページをウェブブラウザーで開きます</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>Vardel のウェブページをウェブブラウザーで開きます</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>バージョンとライセンスを表示します</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>ファイルを読み込みました。%1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>着信音の形式 (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>iPhone の着信音を読み込んでいます…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>着信音を表示するには iPhone を接続してください。</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>保存されていません: 変更が書き込まれる前に iPhone が替わりました。リストにはこの iPhone の内容が表示されています。もう一度変更してください。</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>保存されていません: iPhone にコピーした着信音が、保存される前に iPhone から消えました。もう一度追加してください。</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>まだ保存されていません: iPhone の着信音リストには、書き直すと変わってしまう値が含まれているため、そのままにしました。iPhone が接続されている間、変更は再試行されます。</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>今すぐ iPhone を再起動しますか？新しい着信音は再起動後に「設定」の「サウンド」に表示されます。</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>iPhone を再起動できませんでした。サイドボタンと音量ボタンのどちらかを長押しして電源を切り、もう一度電源を入れてください。</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>メッセージ音</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>着信音</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>着信音にする</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>メッセージ音に</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>送信待ち</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>iPhone の着信音リストを読み取れませんでした。Vardel はリストに手を加えていません。</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>次の変更は iPhone に書き込み中で (別のプログラムが iPhone を使用している可能性があります)、まだ適用されていません: %1。Vardel は開いている間、試行を続けます。</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>「%1」を「%2」に名前変更</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>「%1」を追加</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>「%1」をメッセージ音に設定</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>「%1」を着信音に設定</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>iPhone の着信音</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>着信音の管理を閉じます</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>iPhone の着信音を管理します。</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>PC に保存</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>iPhoneに追加</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>新しい着信音は iPhone の再起動後に「設定」の「サウンド」に表示されます</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>着信音は電話の着信時に、メッセージ音はメッセージや通知のときに鳴ります</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>メッセージ音に</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>Wi‑Fi で電話に送る</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>電話でこのアドレスを開くか、コードを読み取ってください:</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt;（iOS 26 以降）：ページを開いて「ダウンロード」をタップし、「ファイル」で「共有」→「着信音として使用」を選びます。それ以前の iPhone：ケーブルで接続して「iPhone へ」を使います。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;：ページを開いて「ダウンロード」をタップし、「設定」→「音」→「着信音」でファイルを選びます。</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>30 秒版を作る</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>アドレスの QR コード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>長さ: %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>30 秒版を作成中…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>30 秒版を作成できませんでした。</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>iPhone が「ファイル」から着信音にできるのは 30 秒までです。このトーンは %1 あります。</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>このコンピュータはどのローカルネットワークにもつながっていないため、何も配信しません。電話と同じ Wi‑Fi ネットワークに接続してから、このウインドウを開き直してください。</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>%1 でトーンを配信できませんでした。</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>まだ何も接続していません。電話はこのコンピュータと同じネットワークにある必要があります。ファイアウォールがポート %1 を遮断している可能性もあります。</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>%1 が %2 にダウンロードしました</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>iPhone の着信音リストを読み取れませんでした。Vardel はリストに手を加えず、何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>新しいリストを作成しますか? iPhone には今後追加した着信音だけが表示されます。古いリストは %1 として iPhone に残り、そこに記載された着信音もそのまま残ります。</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>試聴を停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>RememberedShaping</name>
    <message>
        <source>Fade-in %1 s</source>
        <translation>フェードイン %1 秒</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>フェードアウト %1 秒</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>ループ オン</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>ラウドネスを揃える オン</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1(前回の設定)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
</TS>
