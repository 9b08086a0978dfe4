#include "dialogfilter.h"

QString dialogFilter(const QString &filter)
{
    QString result = filter;
    int depth = 0;
    for (QChar &c : result) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        else if (c == QLatin1Char(';') && depth > 0)
            c = QLatin1Char(' ');
    }
    return result;
}

// The Windows lists as they were, with what FFmpeg also reads and desktops commonly hold
// appended to the audio patterns, so no loadable file hides behind "All files".
QString openFileFilter(const QString &allFiles,
                       const QString &allSupported,
                       const QString &video,
                       const QString &audio)
{
    const QString videoPatterns = QStringLiteral(
            "*.avi;*.asf;*.wmv;*.mp4;*.m4v;*.mov;*.mpg;*.mts;*.m2ts;*.dat;*.3gp;*.3g2;*.mkv;*.rm;"
            "*.rmvb;*.flv;*.vob;*.mod;*.tod;*.ogm;*.webm");
    const QString audioPatterns = QStringLiteral(
            "*.mp3;*.wav;*.wma *.m4a;*.ra;*.ape;*.aud;*.aiff;*.flac;*.ogg;*.oga;*.opus;*.aac;"
            "*.ac3;*.m4b;*.mka;*.weba;*.caf;*.aif");
    return dialogFilter(
            QStringLiteral("%2(%5;%6);;%3(%5);;%4(%6);;%1(*.*)")
                    .arg(allFiles, allSupported, video, audio, videoPatterns, audioPatterns));
}
