#include "servepage.h"

#include <cmath>

namespace {

// The page's own texts, one row per language; "%1" in `length` is the tone's length.
struct PageTexts
{
    const char *language;
    const char *download;
    const char *length;
    const char *iphone;
    const char *olderIphone;
    const char *android;
};

const PageTexts pageTexts[] = {
        {"en",
         "Download",
         "Length %1",
         "iOS 26 or later: tap Download, then in the Files app open Downloads, touch and hold "
         "the tone, tap Share and choose Use as Ringtone (up to 30 seconds).",
         "Older iPhones: connect the cable and use Export to iPhone in Vardel.",
         "Tap Download, then choose the file in Settings → Sound → Phone ringtone."},
        {"de",
         "Herunterladen",
         "Länge %1",
         "Ab iOS 26: Tippe auf Herunterladen, öffne dann in der App Dateien den Ordner "
         "Downloads, halte den Ton gedrückt, tippe auf Teilen und wähle Als Klingelton "
         "verwenden (bis 30 Sekunden).",
         "Ältere iPhones: Schließe das Kabel an und nutze In Vardel auf das iPhone exportieren.",
         "Tippe auf Herunterladen und wähle die Datei unter Einstellungen → Töne → "
         "Klingelton."},
        {"fr",
         "Télécharger",
         "Durée %1",
         "iOS 26 ou ultérieur : touchez Télécharger, puis dans l’app Fichiers ouvrez "
         "Téléchargements, maintenez le doigt sur la sonnerie, touchez Partager et choisissez "
         "Utiliser comme sonnerie (30 secondes au plus).",
         "iPhone plus anciens : branchez le câble et utilisez l’export vers l’iPhone de Vardel.",
         "Touchez Télécharger, puis choisissez le fichier dans Paramètres → Son → Sonnerie du "
         "téléphone."},
        {"es",
         "Descargar",
         "Duración %1",
         "iOS 26 o posterior: toca Descargar y, en la app Archivos, abre Descargas, mantén "
         "pulsado el tono, toca Compartir y elige Usar como tono (hasta 30 segundos).",
         "iPhone anteriores: conecta el cable y usa Exportar al iPhone en Vardel.",
         "Toca Descargar y elige el archivo en Ajustes → Sonido → Tono del teléfono."},
        {"it",
         "Scarica",
         "Durata %1",
         "iOS 26 o successivo: tocca Scarica, poi nell’app File apri Download, tieni premuto "
         "il suono, tocca Condividi e scegli Usa come suoneria (fino a 30 secondi).",
         "iPhone meno recenti: collega il cavo e usa Esporta su iPhone in Vardel.",
         "Tocca Scarica, poi scegli il file in Impostazioni → Suoni → Suoneria del telefono."},
        {"ja",
         "ダウンロード",
         "長さ %1",
         "iOS 26 以降：「ダウンロード」をタップし、「ファイル」App の「ダウンロード」で"
         "サウンドを長押しして「共有」→「着信音として使用」を選びます（30 秒まで）。",
         "それ以前の iPhone：ケーブルで接続し、Vardel から iPhone に書き出してください。",
         "「ダウンロード」をタップし、「設定」→「音」→「着信音」でファイルを選びます。"},
        {"zh_CN",
         "下载",
         "时长 %1",
         "iOS 26 或更高版本：轻点“下载”，然后在“文件”App 的“下载”中按住铃声，轻点“共享”并选择"
         "“用作铃声”（最长 30 秒）。",
         "较早的 iPhone：连接数据线，在 Vardel 中导出到 iPhone。",
         "轻点“下载”，然后在“设置”→“声音”→“手机铃声”中选择该文件。"},
        {"zh_TW",
         "下載",
         "長度 %1",
         "iOS 26 或以上版本：點一下「下載」，然後在「檔案」App 的「下載項目」中按住鈴聲，點一下"
         "「分享」並選擇「用作鈴聲」（最長 30 秒）。",
         "較舊的 iPhone：連接傳輸線，在 Vardel 中輸出到 iPhone。",
         "點一下「下載」，然後在「設定」→「聲音」→「手機鈴聲」中選擇該檔案。"},
        {"ar",
         "تنزيل",
         "المدة %1",
         "iOS 26 أو أحدث: اضغط تنزيل، ثم افتح التنزيلات في تطبيق الملفات، والمس النغمة مطولاً، "
         "واضغط مشاركة واختر استخدام كنغمة رنين (حتى 30 ثانية).",
         "أجهزة iPhone الأقدم: صِل الكابل واستخدم التصدير إلى iPhone في Vardel.",
         "اضغط تنزيل، ثم اختر الملف من الإعدادات ← الصوت ← نغمة رنين الهاتف."},
};

const PageTexts &textsFor(const QString &language)
{
    for (const PageTexts &texts : pageTexts) {
        if (language == QLatin1String(texts.language))
            return texts;
    }
    return pageTexts[0];
}

// "zh-Hant-TW" and "zh-TW" are zh_TW, any other Chinese zh_CN, else the first subtag.
QString pageLanguageOfTag(QByteArray tag)
{
    tag = tag.trimmed().toLower().replace('_', '-');
    const QList<QByteArray> parts = tag.split('-');
    const QByteArray primary = parts.first();
    if (primary == "zh")
        return tag.contains("-tw") || tag.contains("-hant") || tag.contains("-hk")
                ? QStringLiteral("zh_TW")
                : QStringLiteral("zh_CN");
    return QString::fromLatin1(primary);
}

const char pageStyle[] = "body{font-family:system-ui,sans-serif;margin:0;background:#f3f4f6;"
                         "color:#1f2933}"
                         "main{max-width:34em;margin:0 auto;padding:1.2em}"
                         "h1{font-size:1.5em;margin:.2em 0;overflow-wrap:anywhere}"
                         ".length{color:#52606d;margin:0 0 1em}"
                         "audio{width:100%;margin:.5em 0 1em}"
                         "a.download{display:block;text-align:center;padding:.9em;"
                         "border-radius:.6em;background:#1769e0;color:#fff;font-size:1.2em;"
                         "text-decoration:none;font-weight:600}"
                         "h2{font-size:1.1em;margin:1.4em 0 .3em}"
                         "p{line-height:1.45;margin:.3em 0}";

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QStringList servePageLanguages()
{
    QStringList languages;
    for (const PageTexts &texts : pageTexts)
        languages << QString::fromLatin1(texts.language);
    return languages;
}

QString servePageLanguage(const QByteArray &acceptLanguage, const QString &fallback)
{
    // Weights are left aside: browsers list their languages best first.
    const QStringList known = servePageLanguages();
    for (const QByteArray &item : acceptLanguage.split(',')) {
        const QString language = pageLanguageOfTag(item.split(';').first());
        if (known.contains(language))
            return language;
    }
    return known.contains(fallback) ? fallback : QStringLiteral("en");
}

QString toneLengthText(double seconds)
{
    const qint64 whole = std::isfinite(seconds) && seconds > 0 ? qint64(seconds) : 0;
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QByteArray servePage(const QString &name,
                     double seconds,
                     const QString &language,
                     const QString &downloadPath)
{
    const PageTexts &texts = textsFor(language);
    const auto tr = [](const char *text) { return escaped(QString::fromUtf8(text)); };
    const QString lang = QString::fromLatin1(texts.language).replace(QLatin1Char('_'), u'-');
    const QString direction
            = language == QLatin1String("ar") ? QStringLiteral("rtl") : QStringLiteral("ltr");
    const QString link = escaped(downloadPath);
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\" dir=\"%2\"><head>"
                           "<meta charset=\"utf-8\">"
                           "<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">"
                           "<title>%3</title><style>%4</style></head>\n<body><main>")
                    .arg(lang, direction, escaped(name), QString::fromLatin1(pageStyle));
    page += QStringLiteral("<h1>%1</h1><p class=\"length\">%2</p>")
                    .arg(escaped(name),
                         tr(texts.length)
                                 .arg(QStringLiteral("<bdi>%1</bdi>")
                                              .arg(toneLengthText(seconds))));
    page += QStringLiteral("<audio controls preload=\"metadata\" src=\"%1\"></audio>"
                           "<a class=\"download\" href=\"%1\" download=\"%2.m4a\">%3</a>")
                    .arg(link, escaped(name), tr(texts.download));
    page += QStringLiteral("<h2>iPhone</h2><p>%1</p><p>%2</p><h2>Android</h2><p>%3</p>")
                    .arg(tr(texts.iphone), tr(texts.olderIphone), tr(texts.android));
    page += QStringLiteral("</main></body></html>\n");
    return page.toUtf8();
}
