#ifndef SERVEPAGE_H
#define SERVEPAGE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The page a phone opens: the tone's name and length, a player, the download link and the
// steps for iPhone and Android, in one of the program's nine languages. Self-contained (no
// script, no resource from elsewhere), UTF-8, sized for a phone, right to left in Arabic.

// The program's languages as locale names ("en", "de", ..., "zh_CN", "zh_TW", "ar").
QStringList servePageLanguages();

// The first language of an Accept-Language value that the page speaks, else `fallback`.
QString servePageLanguage(const QByteArray &acceptLanguage, const QString &fallback);

// `downloadPath` is relative to the page's own address.
QByteArray servePage(const QString &name,
                     double seconds,
                     const QString &language,
                     const QString &downloadPath);

// "0:30", "1:05": whole seconds, truncated.
QString toneLengthText(double seconds);

#endif
