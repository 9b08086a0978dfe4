<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>首頁: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>技術支援: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel 由 &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt; 開發。</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;授權條款&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>關於 Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>顯示 %1 至 %2
指標位置 %3</translation>
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
        <translation>鈴聲製作工具</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>從任何音訊或視訊檔案擷取一段製作 iPhone 鈴聲</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>停止製作鈴聲</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>從播放頭處播放歌曲</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>播放片段</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>按鈴聲的效果播放片段</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>用片段製作鈴聲</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>開啟選單</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>最小化視窗</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>關閉程式</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>標出片段的歌曲波形</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>鈴聲的增益</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>試聽片段</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>輸入檔案:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;管理&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;說明&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;首頁&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;關於&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>就緒。</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>匯出到 iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>匯出到 iTunes</translation>
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
        <translation>結束:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長度:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>本機輸出資料夾:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>鈴聲名稱:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>淡入:</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>管理(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>首頁(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>請安裝 iTunes 才能將鈴聲傳送到 iPhone。</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>請將您的 iPhone 連接到這台電腦。</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>請解鎖您的 iPhone 以繼續。</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>請在 iPhone 上點一下「信任」。</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>請拔下 iPhone，重新接上並點一下「信任」。</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>iPhone 服務 usbmuxd 未執行。請安裝 usbmuxd 套件或重新接上 iPhone。</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>無法連接 iPhone：%1。請參閱說明中的「疑難排解」。</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>iTunes 版本過舊，至少需要 7.3。</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>無法啟動編碼器。</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>轉換失敗。</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>無法重新命名鈴聲，已保留編碼器寫出的檔案。</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>轉換成功。</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>正在傳送到 iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>傳輸失敗：傳送鈴聲時 iPhone 已更換。請按「產生」將其傳送到此 iPhone。</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>傳輸失敗：鈴聲的副本在儲存到 iPhone 之前就從 iPhone 上消失了。請按「產生」重新傳送。</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>尚未傳送：iPhone 的鈴聲列表包含重寫後會改變的值，因此保持原樣。只要 iPhone 保持連線，Vardel 會再次嘗試。</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>傳送失敗。</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>無法初始化與 iPhone/iTouch 的連線！&lt;br&gt;如果您連接的裝置從未在這台電腦上連接過 iTunes，就可能發生此錯誤。&lt;br&gt;請嘗試下列步驟：&lt;br&gt;  * 關閉本程式，並中斷裝置與電腦的連接&lt;br&gt;  * 啟動 iTunes&lt;br&gt;  * 連接裝置&lt;br&gt;  * 裝置出現在 iTunes 中後，結束 iTunes（不需要同步或傳送任何內容）&lt;br&gt;  * 重新啟動本程式。&lt;br&gt;&lt;br&gt;很抱歉造成您的不便，這是 Apple 的技術限制所致……</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>無效的輸入檔案</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>正在載入檔案，請稍候...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>檔案已載入。</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>無法讀取此檔案的音訊。</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有檔案</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>所有支援的格式</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>支援的視訊</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>支援的音訊</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>請選擇存放輸出檔案的資料夾。</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>音量: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>超過 40 秒的鈴聲可能不會出現在 iPhone 上。</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>音量過大：將限制峰值以避免失真。</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>程式旁邊缺少說明頁面。</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>無法開啟說明：找不到網頁瀏覽器。</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>無法開啟網頁：找不到網頁瀏覽器。</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>沒有可用於試聽的音訊輸出。請檢查音效設定。</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>產生鈴聲</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>請先開啟檔案：鈴聲由其中的片段製作。</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>片段為空：請選擇早於結束的開始時間。</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>「%1」是資料夾、裝置或管線，不是檔案。請選擇音訊或視訊檔案。</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>無法讀取「%1」：%2。請確認檔案存在且您有權讀取。</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>「%1」不是音訊或視訊檔案。請選擇音訊或視訊檔案。</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>「%1」沒有音軌。請選擇有聲音的檔案。</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>「%1」不超過半秒，太短，無法做鈴聲。請選擇更長的檔案。</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>已移回至與檔案同時結束；片段長度不變。</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>淡出:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>鈴聲結尾漸弱至靜音的秒數</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>播放片段會像手機一樣連同淡入淡出反覆播放片段，直到停止</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>正在製作鈴聲：%1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>已取消製作鈴聲，未儲存任何檔案。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已儲存為 %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>響度均衡</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>響度均衡：設定音量，使鈴聲達到 -14 LUFS，與串流音樂一樣響</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>此音量下鈴聲的響度（整合，單位 LUFS）</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>已移至與檔案同時開始；片段長度不變。</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>無法開啟資料夾：找不到檔案管理員。</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>從 %1 秒到 %2 秒，長 %3 秒</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>推薦</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>將片段設為歌曲中最值得聽的部分；再按一次換下一個</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>推薦最佳部分：片段移到歌曲中最值得聽的部分；再按一次換下一個</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>推薦：正在分析歌曲...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>推薦：請先開啟一個檔案。</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>推薦：無法分析此檔案的聲音。</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>推薦 %1：歌曲中重複的部分，很可能是副歌。</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>推薦 %1：最響亮的部分，因為歌曲中沒有重複。</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>推薦 %1：整首歌曲，因為它不比片段長。</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>傳送成功。iPhone 重新啟動後才會顯示新的鈴聲。</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>傳送成功。超過 40 秒的鈴聲可能不會出現在 iPhone 上。iPhone 重新啟動後才會顯示新的鈴聲。</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>傳輸成功，但作為鈴聲：無法設為簡訊鈴聲。請在「管理」中變更其類型。新鈴聲會在 iPhone 重新啟動後顯示。</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>作為鈴聲</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>作為簡訊鈴聲</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>傳送到 iPhone 的類型</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>鈴聲在來電時響起；簡訊鈴聲在收到訊息和提醒時響起</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>等待中的鈴聲現已傳到 iPhone。iPhone 重新啟動後即可看到。</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>無法傳送等待中的鈴聲：它要傳往的 iPhone 已不在。鈴聲保留在輸出資料夾中。</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>一個等待 iPhone 的鈴聲未能傳送；它保留在輸出資料夾中。請在 iPhone 空閒後再次傳送。</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>仍有鈴聲正在傳送到 iPhone，可能無法送達。鈴聲保留在輸出資料夾中；如果 iPhone 上沒有顯示，請重新傳送。</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>未傳送：無法讀取 iPhone 的鈴聲列表，Vardel 未對其做任何變更。</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>以下變更一直在等待 iPhone，未被套用：%1。請在 iPhone 空閒後重新操作。</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>瀏覽選擇歌曲</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>開啟歌曲或影片</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>瀏覽選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>選擇鈴聲的儲存位置</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>列出 iPhone 上的鈴聲</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>在網頁瀏覽器中開啟說明頁面</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>在網頁瀏覽器中開啟 Vardel 的網頁</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>顯示版本和授權條款</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>檔案已載入。%1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>鈴聲格式 (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>正在讀取您 iPhone 上的鈴聲…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>連接您的 iPhone 以檢視其鈴聲。</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>未儲存：變更寫入之前 iPhone 已更換。列表顯示的是此 iPhone 上的內容；請重新進行變更。</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>未儲存：複製到 iPhone 的鈴聲在儲存之前就從 iPhone 上消失了。請重新加入。</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>尚未儲存：iPhone 的鈴聲列表包含重寫後會改變的值，因此保持原樣。只要 iPhone 保持連線，就會再次嘗試該變更。</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>現在重新啟動 iPhone 嗎？重新啟動後，新鈴聲會出現在「設定」的「聲音」中。</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>無法重新啟動 iPhone。請按住側邊按鈕和任一音量按鈕將其關機，然後再開機。</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>簡訊鈴聲</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>鈴聲</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>設為鈴聲</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>設為簡訊鈴聲</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>等待傳送</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>無法讀取 iPhone 的鈴聲列表。Vardel 未對其做任何變更。</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>以下變更仍在寫入 iPhone（可能有其他程式正在佔用它），尚未套用：%1。只要 Vardel 保持開啟，就會繼續嘗試。</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>將「%1」重新命名為「%2」</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>刪除「%1」</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>新增「%1」</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>將「%1」設為簡訊鈴聲</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>將「%1」設為來電鈴聲</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>iPhone 上的鈴聲</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>關閉鈴聲管理器</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
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
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>名稱:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>管理您 iPhone 上的鈴聲。</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>儲存到電腦</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>加入 iPhone</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>iPhone 重新啟動後，新鈴聲會出現在「設定」的「聲音」中</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>重新啟動</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>鈴聲在來電時響起；簡訊鈴聲在收到訊息和提醒時響起</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>設為簡訊鈴聲</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>透過 Wi‑Fi 傳送到手機</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>在手機上開啟此位址，或掃描 QR 碼：</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt;（iOS 26 或以上版本）：開啟頁面，點一下「下載」，然後在「檔案」中：分享 → 用作鈴聲。較舊的 iPhone：使用傳輸線並選擇「匯出到 iPhone」。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;：開啟頁面，點一下「下載」，然後在「設定」→「音效」→「鈴聲」中選擇該檔案。</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>製作 30 秒版本</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>位址的 QR 碼</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>長度：%1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>正在製作 30 秒版本…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>無法製作 30 秒版本。</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>iPhone 只能從「檔案」使用不超過 30 秒的鈴聲；此鈴聲長度為 %1。</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>這台電腦不在任何區域網路中，因此不提供任何內容。請將它連接到手機所在的 Wi‑Fi 網路，然後重新開啟此視窗。</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>無法在 %1 上提供鈴聲。</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>尚無裝置連線。手機必須與這台電腦在同一網路中，而且防火牆可能封鎖了連接埠 %1。</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>%1 於 %2 下載</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>無法讀取 iPhone 的鈴聲列表。Vardel 未對其做任何變更，也沒有寫入任何內容。</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>要建立新的列表嗎？之後 iPhone 只會列出從現在起新增的鈴聲。舊列表會以 %1 的名稱保留在 iPhone 上，其中列出的鈴聲也會保留。</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>停止試聽</translation>
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
        <translation>淡入 %1 秒</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>淡出 %1 秒</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>循環已開</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>響度均衡已開</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1(沿用上次設定)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
</TS>
