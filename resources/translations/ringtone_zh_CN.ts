<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>主页: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>技术支持: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel 由 &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt; 开发。</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本: </translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;许可证&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>关于 Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>显示 %1 至 %2
指针位置 %3</translation>
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
        <translation>铃声制作工具</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>从任意音频或视频文件中截取一段制作 iPhone 铃声</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>停止制作铃声</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>从播放头处播放歌曲</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>播放片段</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>按铃声的效果播放片段</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>用片段制作铃声</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>打开菜单</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>关闭程序</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>标出片段的歌曲波形</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>铃声的增益</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>试听片段</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>输入文件:</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;管理&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;帮助&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;主页&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;关于&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>就绪。</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>导出到 iPhone</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>导出到 iTunes</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>音量: 1x</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>开始:</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>结束:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>长度:</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>本地输出文件夹:</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>铃声名称:</translation>
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
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>主页(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>请安装 iTunes 以便将铃声传输到 iPhone。</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>请将您的 iPhone 连接到这台电脑。</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>请解锁您的 iPhone 以继续。</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>请在 iPhone 上轻点“信任”。</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>请拔下 iPhone，重新插入并轻点“信任”。</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>iPhone 服务 usbmuxd 未运行。请安装 usbmuxd 软件包或重新插入 iPhone。</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>无法连接 iPhone：%1。请参阅帮助中的“故障排除”。</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>iTunes 版本过低，至少需要 7.3。</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>无法启动编码器。</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>转换失败。</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>无法重命名铃声，已保留编码器写出的文件。</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>转换成功。</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>正在发送到 iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>传输失败：发送铃声时 iPhone 已更换。请按“生成”将其发送到此 iPhone。</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>传输失败：铃声的副本在保存到 iPhone 之前就从 iPhone 上消失了。请按“生成”重新发送。</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>尚未发送：iPhone 的铃声列表包含重写后会改变的值，因此保持原样。只要 iPhone 保持连接，Vardel 会再次尝试。</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>传输失败。</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>无法初始化与 iPhone/iTouch 的连接！&lt;br&gt;如果您连接的设备从未在这台电脑上连接过 iTunes，就可能出现此错误。&lt;br&gt;请尝试以下步骤：&lt;br&gt;  * 关闭本程序，并断开设备与电脑的连接&lt;br&gt;  * 启动 iTunes&lt;br&gt;  * 连接设备&lt;br&gt;  * 设备出现在 iTunes 中后，退出 iTunes（无需同步或传输任何内容）&lt;br&gt;  * 重新启动本程序。&lt;br&gt;&lt;br&gt;很抱歉给您带来不便，这是由 Apple 的技术限制造成的……</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>无效的输入文件</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>正在加载文件，请稍候...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>文件已加载。</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>无法读取此文件的音频。</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>所有支持的格式</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>支持的视频</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>支持的音频</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>请选择存放输出文件的文件夹。</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>音量: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>超过 40 秒的铃声可能不会出现在 iPhone 上。</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>音量过大：将限制峰值以避免失真。</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>程序旁边缺少帮助页面。</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>无法打开帮助：未找到网页浏览器。</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>无法打开网页：未找到网页浏览器。</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>没有可用于试听的音频输出。请检查声音设置。</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>生成铃声</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>请先打开文件：铃声由其中的片段制作。</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>片段为空：请选择早于结束的开始时间。</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>“%1”是文件夹、设备或管道，不是文件。请选择音频或视频文件。</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>无法读取“%1”：%2。请检查文件是否存在以及您是否有权读取它。</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>“%1”不是音频或视频文件。请选择音频或视频文件。</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>“%1”没有音轨。请选择有声音的文件。</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>“%1”不超过半秒，太短，无法做铃声。请选择更长的文件。</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>已移回至与文件同时结束；片段长度不变。</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>淡出:</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>铃声结尾渐弱至静音的秒数</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>播放片段会像手机一样连同淡入淡出反复播放片段，直到停止</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>正在制作铃声：%1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>已取消制作铃声，未保存任何文件。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>响度均衡</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>响度均衡：设置音量，使铃声达到 -14 LUFS，与流媒体音乐一样响</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>此音量下铃声的响度（综合，单位 LUFS）</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>已移至与文件同时开始；片段长度不变。</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>无法打开文件夹：未找到文件管理器。</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>从 %1 秒到 %2 秒，长 %3 秒</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>将片段设为歌曲中最值得听的部分；再按一次换下一个</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>推荐最佳部分：片段移到歌曲中最值得听的部分；再按一次换下一个</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>推荐：正在分析歌曲...</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>推荐：请先打开一个文件。</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>推荐：无法分析此文件的声音。</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>推荐 %1：歌曲中重复的部分，很可能是副歌。</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>推荐 %1：最响亮的部分，因为歌曲中没有重复。</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>推荐 %1：整首歌曲，因为它不比片段长。</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>传输成功。iPhone 重新启动后才会显示新的铃声。</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>传输成功。超过 40 秒的铃声可能不会出现在 iPhone 上。iPhone 重新启动后才会显示新的铃声。</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>传输成功，但作为铃声：无法设为短信铃声。请在“管理”中更改其类型。新铃声在 iPhone 重新启动后显示。</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>作为铃声</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>作为短信铃声</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>发送到 iPhone 的类型</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>铃声在来电时响起；短信铃声在收到信息和提醒时响起</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>等待中的铃声现已传到 iPhone。iPhone 重新启动后即可看到。</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>无法发送等待中的铃声：它要发往的 iPhone 已不在。铃声保留在输出文件夹中。</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>一个等待 iPhone 的铃声未能发送；它保留在输出文件夹中。请在 iPhone 空闲后再次发送。</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>仍有铃声正在发送到 iPhone，可能无法送达。铃声保留在输出文件夹中；如果 iPhone 上没有显示，请重新发送。</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>未发送：无法读取 iPhone 的铃声列表，Vardel 未对其做任何改动。</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>以下更改一直在等待 iPhone，未被应用：%1。请在 iPhone 空闲后重新操作。</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>浏览选择歌曲</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>打开歌曲或视频</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>浏览选择输出文件夹</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>选择铃声的保存位置</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>列出 iPhone 上的铃声</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>在网页浏览器中打开帮助页面</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>在网页浏览器中打开 Vardel 的网页</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>显示版本和许可证</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>文件已加载。%1</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>铃声格式 (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>正在读取您 iPhone 上的铃声…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>连接您的 iPhone 以查看其铃声。</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>未保存：更改写入之前 iPhone 已更换。列表显示的是此 iPhone 上的内容；请重新进行更改。</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>未保存：复制到 iPhone 的铃声在保存之前就从 iPhone 上消失了。请重新添加。</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>尚未保存：iPhone 的铃声列表包含重写后会改变的值，因此保持原样。只要 iPhone 保持连接，就会再次尝试该更改。</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>现在重新启动 iPhone 吗？重新启动后，新铃声会出现在“设置”的“声音”中。</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>无法重新启动 iPhone。请按住侧边按钮和任一音量按钮将其关机，然后再开机。</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>短信铃声</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>设为铃声</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>设为短信铃声</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>等待发送</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>无法读取 iPhone 的铃声列表。Vardel 未对其做任何改动。</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>以下更改仍在写入 iPhone（可能有其他程序正在占用它），尚未应用：%1。只要 Vardel 保持打开，就会继续尝试。</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>将“%1”重命名为“%2”</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>删除“%1”</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>添加“%1”</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>将“%1”设为短信铃声</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>将“%1”设为来电铃声</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>iPhone 上的铃声</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>关闭铃声管理器</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
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
        <translation>重命名</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>名称:</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>管理您 iPhone 上的铃声。</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>保存到电脑</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>导入 iPhone</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>iPhone 重新启动后，新铃声会出现在“设置”的“声音”中</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>重启 iPhone</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>铃声在来电时响起；短信铃声在收到信息和提醒时响起</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>设为短信铃声</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>通过 Wi‑Fi 发送到手机</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>在手机上打开此地址，或扫描二维码：</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt;（iOS 26 或更高版本）：打开页面，轻点“下载”，然后在“文件”中：共享 → 用作铃声。较早的 iPhone：使用数据线并选择“导出到 iPhone”。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;：打开页面，轻点“下载”，然后在“设置”→“声音”→“铃声”中选择该文件。</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>制作 30 秒版本</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>地址的二维码</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>正在制作 30 秒版本…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>无法制作 30 秒版本。</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>iPhone 只能从“文件”中使用不超过 30 秒的铃声；此铃声时长 %1。</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>这台电脑不在任何局域网中，因此不提供任何内容。请将它连接到手机所在的 Wi‑Fi 网络，然后重新打开此窗口。</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>无法在 %1 上提供铃声。</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>尚无设备连接。手机必须与这台电脑在同一网络中，并且防火墙可能阻止了端口 %1。</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>%1 于 %2 下载</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>无法读取 iPhone 的铃声列表。Vardel 未对其做任何改动，也没有写入任何内容。</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>要新建一个列表吗？之后 iPhone 只会列出从现在起添加的铃声。旧列表以 %1 的名称保留在 iPhone 上，其中列出的铃声也会保留。</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>停止试听</translation>
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
        <translation>循环已开</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>响度均衡已开</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>%1(沿用上次设置)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
</TS>
