<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Home Page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>الموقع: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Support: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>الدعم: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Vardel is made by &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</source>
        <translation>Vardel من إنتاج &lt;a href=&quot;%1&quot;&gt;Marvolen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>‫الإصدار: ‬</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Licences&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;التراخيص&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Vardel</source>
        <translation>حول Vardel</translation>
    </message>
</context>
<context>
    <name>CClipSlider</name>
    <message>
        <source>Showing %1 to %2
Pointer at %3</source>
        <translation>‫العرض من %1 إلى %2‬
‫المؤشر عند %3‬</translation>
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
        <translation>صانع نغمات الرنين</translation>
    </message>
    <message>
        <source>Make iPhone ringtones from a stretch of any audio or video file</source>
        <translation>اصنع نغمات رنين للآيفون من مقطع من أي ملف صوتي أو فيديو</translation>
    </message>
</context>
<context>
    <name>JobButton</name>
    <message>
        <source>Stop making the ringtone</source>
        <translation>إيقاف إنشاء النغمة</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Plays the song from the play head</source>
        <translation>يشغّل الأغنية من موضع التشغيل</translation>
    </message>
    <message>
        <source>Play Clip</source>
        <translation>تشغيل المقطع</translation>
    </message>
    <message>
        <source>Plays the clip as the ringtone will sound</source>
        <translation>يشغّل المقطع كما ستبدو النغمة</translation>
    </message>
    <message>
        <source>Stops playing</source>
        <translation>يوقف التشغيل</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Makes the ringtone from the clip</source>
        <translation>ينشئ النغمة من المقطع</translation>
    </message>
    <message>
        <source>Opens the menu</source>
        <translation>يفتح القائمة</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>يصغّر النافذة</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>يغلق البرنامج</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>المقطع</translation>
    </message>
    <message>
        <source>The song&apos;s waveform with the clip marked on it</source>
        <translation>الموجة الصوتية للأغنية وعليها المقطع</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>The ringtone&apos;s gain</source>
        <translation>تضخيم النغمة</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>وقت البداية</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>وقت النهاية</translation>
    </message>
    <message>
        <source>Vardel</source>
        <translation>Vardel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>‫القائمة‬</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>‫تصغير‬</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>‫إغلاق‬</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>‫تشغيل‬</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>‫إيقاف مؤقت‬</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>‫الاستماع إلى المقطع‬</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>‫استعراض...‬</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>‫&#x2003;ملف الإدخال:‬</translation>
    </message>
    <message>
        <source>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;Manage&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&quot;:/images/tool.png&quot; /&gt;&lt;a href=&quot;x&quot;&gt;&lt;font color=#ffffff&gt;إدارة&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Help&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/help.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;مساعدة&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;Home&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/home.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;الموقع&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;About&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;img src=&apos;:/images/about.png&apos;&gt;&lt;a href=x&gt;&lt;font color=#ffffff&gt;حول&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>‫جاهز.‬</translation>
    </message>
    <message>
        <source>Export to iPhone</source>
        <translation>‫إلى iPhone‬</translation>
    </message>
    <message>
        <source>Export to iTunes</source>
        <translation>‫تصدير إلى iTunes‬</translation>
    </message>
    <message>
        <source>Volume: 1x</source>
        <translation>‫الصوت: 1x‬</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>‫البداية:‬</translation>
    </message>
    <message>
        <source>h:mm:ss.zzz</source>
        <translation>h:mm:ss.zzz</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>‫النهاية:‬</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>‫المدة:‬</translation>
    </message>
    <message>
        <source>Local Output Folder:</source>
        <translation>‫مجلد الإخراج:‬</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>‫اسم النغمة:‬</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>‫&#x2003;تدرّج:‬</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>‫&amp;إدارة...‬</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>‫&amp;مساعدة‬</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>‫&amp;الموقع‬</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>‫&amp;حول‬</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>‫اللغة‬</translation>
    </message>
    <message>
        <source>You should install iTunes to transfer ringtone to iPhone.</source>
        <translation>‫يجب تثبيت iTunes لنقل النغمة إلى iPhone.‬</translation>
    </message>
    <message>
        <source>Please connect your iPhone to this computer.</source>
        <translation>‫يرجى توصيل جهاز iPhone بهذا الكمبيوتر.‬</translation>
    </message>
    <message>
        <source>Unlock your iPhone to continue.</source>
        <translation>افتح قفل iPhone للمتابعة.</translation>
    </message>
    <message>
        <source>Tap Trust on your iPhone.</source>
        <translation>اضغط على «وثوق» في iPhone.</translation>
    </message>
    <message>
        <source>Unplug the iPhone, plug it in again and tap Trust.</source>
        <translation>افصل iPhone ثم وصّله مرة أخرى واضغط على «وثوق».</translation>
    </message>
    <message>
        <source>The iPhone service usbmuxd is not running. Install the usbmuxd package or plug the iPhone in again.</source>
        <translation>خدمة iPhone ‏usbmuxd لا تعمل. ثبّت الحزمة usbmuxd أو وصّل iPhone مرة أخرى.</translation>
    </message>
    <message>
        <source>The iPhone could not be connected: %1. See Troubleshooting in the help.</source>
        <translation>تعذّر الاتصال بـ iPhone:‏ %1. راجع «حل المشكلات» في التعليمات.</translation>
    </message>
    <message>
        <source>iTunes version too low, at least 7.3 is needed.</source>
        <translation>‫إصدار iTunes قديم جدًا، يلزم الإصدار 7.3 على الأقل.‬</translation>
    </message>
    <message>
        <source>The encoder could not be started.</source>
        <translation>‫تعذّر تشغيل برنامج الترميز.‬</translation>
    </message>
    <message>
        <source>Conversion failed.</source>
        <translation>‫فشل التحويل.‬</translation>
    </message>
    <message>
        <source>The ringtone could not be renamed; it was kept as the encoder wrote it.</source>
        <translation>‫تعذّرت إعادة تسمية النغمة؛ وبقيت كما كتبها برنامج الترميز.‬</translation>
    </message>
    <message>
        <source>Conversion succeed.</source>
        <translation>‫تم التحويل بنجاح.‬</translation>
    </message>
    <message>
        <source>Sending to the iPhone…</source>
        <translation>جارٍ الإرسال إلى iPhone…</translation>
    </message>
    <message>
        <source>Transfer failed: the iPhone changed while the ringtone was being sent. Press Generate to send it to this iPhone.</source>
        <translation>فشل النقل: تغيّر جهاز iPhone أثناء إرسال النغمة. اضغط إنشاء لإرسالها إلى جهاز iPhone هذا.</translation>
    </message>
    <message>
        <source>Transfer failed: the ringtone&apos;s copy vanished from the iPhone before it was saved there. Press Generate to send it again.</source>
        <translation>فشل النقل: اختفت نسخة النغمة من iPhone قبل حفظها عليه. اضغط إنشاء لإرسالها مرة أخرى.</translation>
    </message>
    <message>
        <source>Not sent yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. Vardel tries again while the iPhone stays connected.</source>
        <translation>لم تُرسل بعد: تحتوي قائمة النغمات على iPhone على قيم ستتغير إذا أُعيدت كتابتها، لذلك تُركت كما هي. يعيد Vardel المحاولة ما دام iPhone متصلاً.</translation>
    </message>
    <message>
        <source>Transfer failed.</source>
        <translation>‫فشل النقل.‬</translation>
    </message>
    <message>
        <source>Could not initialize the connection to your iPhone/iTouch!&lt;br&gt;You may get this error if you try to connect a device that has never been attached to iTunes on this computer.&lt;br&gt;Please try the following:&lt;br&gt;  * close this application and detach your device from the computer&lt;br&gt;  * start iTunes&lt;br&gt;  * connect the device&lt;br&gt;  * after it shows up in iTunes, exit iTunes (no need to sync or transfer anything&lt;br&gt;)  * restart this application.&lt;br&gt;&lt;br&gt;Sorry for this inconvenience, it is caused by Apple&apos;s technical restrictions...</source>
        <translation>تعذّرت تهيئة الاتصال بجهاز iPhone/iTouch!&lt;br&gt;قد يظهر هذا الخطأ إذا حاولت توصيل جهاز لم يسبق توصيله بـ iTunes على هذا الكمبيوتر.&lt;br&gt;يرجى تجربة ما يلي:&lt;br&gt;  * أغلق هذا التطبيق وافصل جهازك عن الكمبيوتر&lt;br&gt;  * شغّل iTunes&lt;br&gt;  * وصّل الجهاز&lt;br&gt;  * بعد ظهوره في iTunes، اخرج من iTunes (لا حاجة إلى مزامنة أو نقل أي شيء)&lt;br&gt;  * أعد تشغيل هذا التطبيق.&lt;br&gt;&lt;br&gt;نعتذر عن هذا الإزعاج، فهو ناتج عن القيود التقنية لشركة Apple...</translation>
    </message>
    <message>
        <source>Invalid input file</source>
        <translation>‫ملف إدخال غير صالح‬</translation>
    </message>
    <message>
        <source>File is loading, please wait...</source>
        <translation>‫جارٍ تحميل الملف، يرجى الانتظار...‬</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>‫تم تحميل الملف.‬</translation>
    </message>
    <message>
        <source>Could not read the audio of this file.</source>
        <translation>‫تعذّرت قراءة الصوت من هذا الملف.‬</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>‫كل الملفات‬</translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>‫كل التنسيقات المدعومة‬</translation>
    </message>
    <message>
        <source>Supported Video</source>
        <translation>‫الفيديو المدعوم‬</translation>
    </message>
    <message>
        <source>Supported Audio</source>
        <translation>‫الصوت المدعوم‬</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>‫فتح‬</translation>
    </message>
    <message>
        <source>Select a folder to store output file.</source>
        <translation>‫اختر مجلدًا لحفظ ملف الإخراج.‬</translation>
    </message>
    <message>
        <source>Volume: %1x</source>
        <translation>الصوت: %1x</translation>
    </message>
    <message>
        <source>Ringtones longer than 40 seconds may not appear on the iPhone.</source>
        <translation>‫قد لا تظهر على iPhone النغمات التي تزيد مدتها عن 40 ثانية.‬</translation>
    </message>
    <message>
        <source>Loud: peaks are limited to avoid distortion.</source>
        <translation>‫صوت مرتفع: تُخفَّض القمم لتجنب التشويه.‬</translation>
    </message>
    <message>
        <source>The help pages are missing beside the program.</source>
        <translation>‫صفحات التعليمات مفقودة بجانب البرنامج.‬</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser was found.</source>
        <translation>‫تعذّر فتح التعليمات: لم يُعثر على متصفح ويب.‬</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>‫تعذّر فتح صفحة الويب: لم يُعثر على متصفح ويب.‬</translation>
    </message>
    <message>
        <source>No audio output is available for the preview. Check the sound settings.</source>
        <translation>‫لا يتوفر مخرج صوت للمعاينة. تحقّق من إعدادات الصوت.‬</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>‫فتح ملف‬</translation>
    </message>
    <message>
        <source>Generate the ringtone</source>
        <translation>‫إنشاء نغمة الرنين‬</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>‫التعليمات‬</translation>
    </message>
    <message>
        <source>Open a file first: the ringtone is made from its clip.</source>
        <translation>افتح ملفًا أولًا: تُصنع النغمة من مقطع منه.</translation>
    </message>
    <message>
        <source>The clip is empty: choose a start before its end.</source>
        <translation>المقطع فارغ: اختر بداية قبل نهايته.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or a pipe, not a file. Choose an audio or video file.</source>
        <translation>«%1» مجلد أو جهاز أو أنبوب، وليس ملفًا. اختر ملف صوت أو فيديو.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2. Check that the file is there and that you may read it.</source>
        <translation>تعذّرت قراءة «%1»: %2. تحقّق من وجود الملف ومن أنّ لديك إذن قراءته.</translation>
    </message>
    <message>
        <source>“%1” is not an audio or video file. Choose an audio or video file.</source>
        <translation>«%1» ليس ملف صوت أو فيديو. اختر ملف صوت أو فيديو.</translation>
    </message>
    <message>
        <source>“%1” has no audio track. Choose a file with sound.</source>
        <translation>«%1» لا يحتوي على مسار صوتي. اختر ملفًا فيه صوت.</translation>
    </message>
    <message>
        <source>“%1” lasts half a second or less, too short for a ringtone. Choose a longer file.</source>
        <translation>مدة «%1» نصف ثانية أو أقل، وهي أقصر من أن تكون نغمة رنين. اختر ملفًا أطول.</translation>
    </message>
    <message>
        <source>Moved back to end with the file; the clip keeps its length.</source>
        <translation>أُعيد لينتهي مع الملف؛ ويبقى طول المقطع كما هو.</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>‫تلاشٍ ختامي:‬</translation>
    </message>
    <message>
        <source>Seconds over which the ringtone&apos;s end fades to silence</source>
        <translation>‫عدد الثواني التي تخفت فيها نهاية النغمة حتى الصمت‬</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>‫تلاشٍ ختامي‬</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>‫تكرار‬</translation>
    </message>
    <message>
        <source>Play Clip repeats the clip with its fades, as the phone will, until stopped</source>
        <translation>‫يكرر «تشغيل المقطع» المقطع مع تدرّجاته كما سيفعل الهاتف، حتى الإيقاف‬</translation>
    </message>
    <message>
        <source>Making the ringtone: %1 %</source>
        <translation>جارٍ إنشاء النغمة: %1 %</translation>
    </message>
    <message>
        <source>Making the ringtone was cancelled; nothing was saved.</source>
        <translation>أُلغي إنشاء النغمة؛ لم يُحفظ أي شيء.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>حُفظت باسم %1</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>‫توحيد الجهارة‬</translation>
    </message>
    <message>
        <source>Even loudness: the volume is set so that the ringtone reaches -14 LUFS, as loud as streamed music</source>
        <translation>‫توحيد الجهارة: يُضبط مستوى الصوت لتبلغ النغمة ‎-14 LUFS، بجهارة الموسيقى المبثوثة‬</translation>
    </message>
    <message>
        <source>The ringtone&apos;s loudness at this volume (integrated, in LUFS)</source>
        <translation>‫جهارة النغمة بمستوى الصوت هذا (متكاملة، بوحدة LUFS)‬</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Moved on to begin with the file; the clip keeps its length.</source>
        <translation>نُقل ليبدأ مع الملف؛ ويبقى طول المقطع كما هو.</translation>
    </message>
    <message>
        <source>The folder could not be opened: no file manager was found.</source>
        <translation>تعذّر فتح المجلد: لم يُعثر على مدير ملفات.</translation>
    </message>
    <message>
        <source>From %1 s to %2 s, %3 s long</source>
        <translation>من %1 ث إلى %2 ث، بطول %3 ث</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>‫اقتراح‬</translation>
    </message>
    <message>
        <source>Sets the clip to the part of the song most worth hearing; press again for the next one</source>
        <translation>‫يضع المقطع على أجدر جزء من الأغنية بالسماع؛ اضغط مرة أخرى للجزء التالي‬</translation>
    </message>
    <message>
        <source>Suggest the best part: the clip moves to the part of the song most worth hearing; press again for the next</source>
        <translation>‫اقتراح أفضل جزء: ينتقل المقطع إلى أجدر جزء من الأغنية بالسماع؛ اضغط مرة أخرى للجزء التالي‬</translation>
    </message>
    <message>
        <source>Suggest: the song is being analysed...</source>
        <translation>‫اقتراح: جارٍ تحليل الأغنية...‬</translation>
    </message>
    <message>
        <source>Suggest: open a file first.</source>
        <translation>‫اقتراح: افتح ملفًا أولًا.‬</translation>
    </message>
    <message>
        <source>Suggest: the sound of this file could not be analysed.</source>
        <translation>‫اقتراح: تعذّر تحليل صوت هذا الملف.‬</translation>
    </message>
    <message>
        <source>Suggestion %1: a part the song repeats, likely its chorus.</source>
        <translation>‫الاقتراح %1: جزء تكرره الأغنية، وهو على الأرجح اللازمة.‬</translation>
    </message>
    <message>
        <source>Suggestion %1: the loudest part, as nothing in the song repeats.</source>
        <translation>‫الاقتراح %1: أعلى جزء صوتًا، إذ لا يتكرر شيء في الأغنية.‬</translation>
    </message>
    <message>
        <source>Suggestion %1: the whole song, as it is no longer than the clip.</source>
        <translation>‫الاقتراح %1: الأغنية كلها، إذ ليست أطول من المقطع.‬</translation>
    </message>
    <message>
        <source>Transfer succeed. New tones show up on the iPhone once it has restarted.</source>
        <translation>‫تم النقل بنجاح. تظهر النغمات الجديدة على iPhone بعد إعادة تشغيله.‬</translation>
    </message>
    <message>
        <source>Transfer succeed, but ringtones longer than 40 seconds may not appear on the iPhone. New tones show up on the iPhone once it has restarted.</source>
        <translation>‫تم النقل بنجاح. قد لا تظهر على iPhone النغمات التي تزيد مدتها عن 40 ثانية. تظهر النغمات الجديدة على iPhone بعد إعادة تشغيله.‬</translation>
    </message>
    <message>
        <source>Transfer succeed, but as a ringtone: the tone could not be made a text tone. Change its kind in Manage. New tones show up on the iPhone once it has restarted.</source>
        <translation>تم النقل، ولكن كنغمة رنين: تعذّر جعلها نغمة رسائل. غيّر نوعها في الإدارة. تظهر النغمات الجديدة على iPhone بعد إعادة تشغيله.</translation>
    </message>
    <message>
        <source>as ringtone</source>
        <translation>كنغمة رنين</translation>
    </message>
    <message>
        <source>as text tone</source>
        <translation>كنغمة رسائل</translation>
    </message>
    <message>
        <source>Send to the iPhone as</source>
        <translation>الإرسال إلى iPhone بصفتها</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>نغمة الرنين للمكالمات، ونغمة الرسائل للرسائل والتنبيهات</translation>
    </message>
    <message>
        <source>The tone that waited is now on the iPhone. It shows up once the iPhone has restarted.</source>
        <translation>النغمة التي كانت تنتظر أصبحت الآن على iPhone. تظهر بعد إعادة تشغيل iPhone.</translation>
    </message>
    <message>
        <source>The tone that waited could not be sent: the iPhone it was meant for is gone. It stays in the output folder.</source>
        <translation>تعذّر إرسال النغمة التي كانت تنتظر: جهاز iPhone المقصود لم يعد متصلاً. تبقى في مجلد الإخراج.</translation>
    </message>
    <message>
        <source>A tone that waited for the iPhone was not sent; it stays in the output folder. Send it again once the iPhone is free.</source>
        <translation>لم تُرسل نغمة كانت تنتظر iPhone؛ وهي باقية في مجلد الإخراج. أرسلها مرة أخرى عندما يصبح iPhone متاحاً.</translation>
    </message>
    <message>
        <source>A tone was still being sent to the iPhone and may not get there. It stays in the output folder; send it again if the iPhone does not list it.</source>
        <translation>كانت نغمة لا تزال قيد الإرسال إلى iPhone وقد لا تصل إليه. تبقى في مجلد الإخراج؛ أرسلها مرة أخرى إذا لم يعرضها iPhone.</translation>
    </message>
    <message>
        <source>Not sent: the iPhone&apos;s ringtone list could not be read, and Vardel left it untouched.</source>
        <translation>لم تُرسَل: تعذّرت قراءة قائمة النغمات على iPhone، وقد تركها Vardel دون أي تغيير.</translation>
    </message>
    <message>
        <source>These changes waited for the iPhone and were not applied: %1. Make them again once the iPhone is free.</source>
        <translation>كانت هذه التغييرات تنتظر iPhone ولم تُطبَّق: %1. أعد إجراءها حين يصبح iPhone متاحًا.</translation>
    </message>
    <message>
        <source>Browse for the song</source>
        <translation>استعراض لاختيار الأغنية</translation>
    </message>
    <message>
        <source>Opens a song or a video</source>
        <translation>يفتح أغنية أو مقطع فيديو</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>استعراض لاختيار مجلد الحفظ</translation>
    </message>
    <message>
        <source>Chooses where the ringtone is saved</source>
        <translation>يختار مكان حفظ النغمة</translation>
    </message>
    <message>
        <source>Lists the ringtones on the iPhone</source>
        <translation>يعرض النغمات الموجودة على iPhone</translation>
    </message>
    <message>
        <source>Opens the help pages in the web browser</source>
        <translation>يفتح صفحات المساعدة في متصفح الويب</translation>
    </message>
    <message>
        <source>Opens Vardel&apos;s web page in the web browser</source>
        <translation>يفتح صفحة Vardel في متصفح الويب</translation>
    </message>
    <message>
        <source>Shows the version and the licences</source>
        <translation>يعرض الإصدار والتراخيص</translation>
    </message>
    <message>
        <source>File loaded. %1</source>
        <translation>‫تم تحميل الملف. %1‬</translation>
    </message>
</context>
<context>
    <name>ManageDialog</name>
    <message>
        <source>Ringtone Formats(*.m4a;*.m4r)</source>
        <translation>صيغ النغمات (*.m4a;*.m4r)</translation>
    </message>
    <message>
        <source>Reading the ringtones on your iPhone…</source>
        <translation>جارٍ قراءة النغمات على iPhone…</translation>
    </message>
    <message>
        <source>Connect your iPhone to see its ringtones.</source>
        <translation>‫وصّل جهاز iPhone لعرض نغمات الرنين الموجودة عليه.‬</translation>
    </message>
    <message>
        <source>Not saved: the iPhone changed before the change was written. The list shows what this iPhone holds; make the change again.</source>
        <translation>لم يُحفظ: تغيّر جهاز iPhone قبل كتابة التغيير. تعرض القائمة ما يحتويه جهاز iPhone هذا؛ أعد إجراء التغيير.</translation>
    </message>
    <message>
        <source>Not saved: a ringtone copied to the iPhone vanished from it before it was saved there. Add it again.</source>
        <translation>لم يُحفظ: اختفت نغمة نُسخت إلى iPhone منه قبل حفظها عليه. أضفها مرة أخرى.</translation>
    </message>
    <message>
        <source>Not saved yet: the iPhone&apos;s ringtone list holds values that writing it would change, so it was left as it is. The change is tried again while the iPhone stays connected.</source>
        <translation>لم يُحفظ بعد: تحتوي قائمة النغمات على iPhone على قيم ستتغير إذا أُعيدت كتابتها، لذلك تُركت كما هي. تُعاد محاولة التغيير ما دام iPhone متصلاً.</translation>
    </message>
    <message>
        <source>Restart the iPhone now? New ringtones show up in Settings, Sounds once it has started again.</source>
        <translation>هل تريد إعادة تشغيل iPhone الآن؟ تظهر النغمات الجديدة في الإعدادات، الأصوات بعد أن يعمل من جديد.</translation>
    </message>
    <message>
        <source>The iPhone could not be restarted. Hold its side button and a volume button to turn it off, then turn it on again.</source>
        <translation>تعذّرت إعادة تشغيل iPhone. اضغط مطولاً على الزر الجانبي وأحد زرّي الصوت لإيقاف تشغيله، ثم شغّله من جديد.</translation>
    </message>
    <message>
        <source>text tone</source>
        <translation>نغمة رسائل</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>نغمة رنين</translation>
    </message>
    <message>
        <source>As Ringtone</source>
        <translation>كنغمة رنين</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>كنغمة رسائل</translation>
    </message>
    <message>
        <source>waiting to be sent</source>
        <translation>بانتظار الإرسال</translation>
    </message>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched.</source>
        <translation>تعذّرت قراءة قائمة النغمات على iPhone. تركها Vardel دون أي تغيير.</translation>
    </message>
    <message>
        <source>These changes were still being written to the iPhone, which another program may hold, and are not applied yet: %1. Vardel goes on trying while it stays open.</source>
        <translation>كانت هذه التغييرات لا تزال قيد الكتابة على iPhone، الذي ربما يشغله برنامج آخر، ولم تُطبَّق بعد: %1. يواصل Vardel المحاولة ما دام مفتوحًا.</translation>
    </message>
    <message>
        <source>renaming “%1” to “%2”</source>
        <translation>إعادة تسمية «%1» إلى «%2»</translation>
    </message>
    <message>
        <source>removing “%1”</source>
        <translation>إزالة «%1»</translation>
    </message>
    <message>
        <source>adding “%1”</source>
        <translation>إضافة «%1»</translation>
    </message>
    <message>
        <source>making “%1” a text tone</source>
        <translation>جعل «%1» نغمة رسائل</translation>
    </message>
    <message>
        <source>making “%1” a ringtone</source>
        <translation>جعل «%1» نغمة رنين</translation>
    </message>
    <message>
        <source>Ringtones on the iPhone</source>
        <translation>النغمات على iPhone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Closes the ringtone manager</source>
        <translation>يغلق مدير النغمات</translation>
    </message>
</context>
<context>
    <name>QxLanguage</name>
    <message>
        <source>Language</source>
        <translation>‫اللغة‬</translation>
    </message>
</context>
<context>
    <name>manageDlg</name>
    <message>
        <source>Manage</source>
        <translation>‫إدارة‬</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>‫إعادة تسمية‬</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>‫حذف‬</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>‫الاسم:‬</translation>
    </message>
    <message>
        <source>Manage ringtones on your iPhone.</source>
        <translation>‫إدارة النغمات على جهاز iPhone.‬</translation>
    </message>
    <message>
        <source>Save To PC</source>
        <translation>‫نسخ للحاسوب‬</translation>
    </message>
    <message>
        <source>Add To iPhone</source>
        <translation>‫نسخ لـ iPhone‬</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>‫استبدال‬</translation>
    </message>
    <message>
        <source>New ringtones show up in Settings, Sounds once the iPhone has restarted</source>
        <translation>تظهر النغمات الجديدة في الإعدادات، الأصوات بعد إعادة تشغيل iPhone</translation>
    </message>
    <message>
        <source>Restart iPhone</source>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>A ringtone rings for calls; a text tone sounds for messages and alerts</source>
        <translation>نغمة الرنين للمكالمات، ونغمة الرسائل للرسائل والتنبيهات</translation>
    </message>
    <message>
        <source>As Text Tone</source>
        <translation>كنغمة رسائل</translation>
    </message>
</context>
<context>
    <name>WifiSendDialog</name>
    <message>
        <source>Send to a phone over Wi‑Fi</source>
        <translation>إرسال إلى هاتف عبر Wi‑Fi</translation>
    </message>
    <message>
        <source>Open this address on the phone, or scan the code:</source>
        <translation>افتح هذا العنوان على الهاتف أو امسح الرمز:</translation>
    </message>
    <message>
        <source>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 or later): open the page, tap Download, then in Files: Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.</source>
        <translation>&lt;b&gt;iPhone&lt;/b&gt; (iOS 26 أو أحدث): افتح الصفحة، واضغط تنزيل، ثم في الملفات: مشاركة ← استخدام كنغمة رنين. أجهزة iPhone الأقدم: استخدم الكابل و‫إلى iPhone‬.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Android&lt;/b&gt;: open the page, tap Download, then choose the file in Settings → Sound → Ringtone.</source>
        <translation>&lt;b&gt;Android&lt;/b&gt;: افتح الصفحة، واضغط تنزيل، ثم اختر الملف من الإعدادات ← الصوت ← نغمة الرنين.</translation>
    </message>
    <message>
        <source>Make a 30 s version</source>
        <translation>إنشاء نسخة من 30 ثانية</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>رمز QR للعنوان</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>المدة: %1</translation>
    </message>
    <message>
        <source>Making the 30 s version…</source>
        <translation>جارٍ إنشاء نسخة الـ 30 ثانية…</translation>
    </message>
    <message>
        <source>The 30 s version could not be made.</source>
        <translation>تعذّر إنشاء نسخة الـ 30 ثانية.</translation>
    </message>
    <message>
        <source>The iPhone takes a tone from Files only up to 30 s; this one lasts %1.</source>
        <translation>لا يقبل iPhone نغمة من الملفات إلا حتى 30 ثانية؛ ومدة هذه النغمة %1.</translation>
    </message>
    <message>
        <source>This computer is on no local network, so nothing is served. Connect it to the phone&apos;s Wi‑Fi network and open this window again.</source>
        <translation>هذا الحاسوب ليس على أي شبكة محلية، لذا لا يُقدَّم شيء. صِله بشبكة Wi‑Fi التي عليها الهاتف ثم افتح هذه النافذة من جديد.</translation>
    </message>
    <message>
        <source>The tone could not be served on %1.</source>
        <translation>تعذّر تقديم النغمة على %1.</translation>
    </message>
    <message>
        <source>Nothing has connected yet. The phone must be on the same network as this computer, and a firewall may block port %1.</source>
        <translation>لم يتصل شيء بعد. يجب أن يكون الهاتف على الشبكة نفسها التي عليها هذا الحاسوب، وقد يحجب جدار ناري المنفذ %1.</translation>
    </message>
    <message>
        <source>Downloaded by %1 at %2</source>
        <translation>نزّلها %1 في %2</translation>
    </message>
</context>
<context>
    <name>NewListOffer</name>
    <message>
        <source>The iPhone&apos;s ringtone list could not be read. Vardel left it untouched and wrote nothing to it.</source>
        <translation>تعذّرت قراءة قائمة النغمات على iPhone. تركها Vardel دون أي تغيير ولم يكتب فيها شيئًا.</translation>
    </message>
    <message>
        <source>Start a new list? The iPhone then lists only the ringtones added from now on. The old list stays on the iPhone as %1, and the ringtones it names stay there too.</source>
        <translation>هل تريد بدء قائمة جديدة؟ عندها لن يعرض iPhone إلا النغمات المضافة من الآن فصاعدًا. تبقى القائمة القديمة على iPhone باسم %1، وتبقى النغمات التي تذكرها هناك أيضًا.</translation>
    </message>
</context>
<context>
    <name>PreviewStop</name>
    <message>
        <source>Stop the preview</source>
        <translation>‫إيقاف المعاينة‬</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>‫إيقاف‬</translation>
    </message>
</context>
<context>
    <name>RememberedShaping</name>
    <message>
        <source>Fade-in %1 s</source>
        <translation>‫تدرّج %1 ث‬</translation>
    </message>
    <message>
        <source>Fade-out %1 s</source>
        <translation>‫تلاشٍ ختامي %1 ث‬</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>‫التكرار مفعّل‬</translation>
    </message>
    <message>
        <source>Even loudness on</source>
        <translation>‫توحيد الجهارة مفعّل‬</translation>
    </message>
    <message>
        <source>%1, from last time</source>
        <translation>‫%1، من المرة السابقة‬</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>‫%1، %2‬</translation>
    </message>
</context>
</TS>
