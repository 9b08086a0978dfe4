#include "inputcheck.h"

#include "filepath.h"
#include "mediaprobe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

InputCheck checkInput(const QString &path)
{
    InputCheck check;
    if (!QFileInfo::exists(path)) {
        QFile missing(path);
        missing.open(QIODevice::ReadOnly);
        check.verdict = InputCheck::Unreadable;
        check.reason = missing.errorString();
        return check;
    }
    // A pipe or a device would block the probe; a folder is no media.
    if (!isRegularFile(path)) {
        check.verdict = InputCheck::NotAFile;
        return check;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        check.verdict = InputCheck::Unreadable;
        check.reason = file.errorString();
        return check;
    }
    file.close();
    CMediaProbe probe;
    if (probe.probe(QDir::toNativeSeparators(path).toUtf8().constData()) < 0) {
        check.verdict = InputCheck::NotMedia;
        return check;
    }
    check.duration = probe.duration();
    if (!probe.hasAudio())
        check.verdict = InputCheck::NoAudio;
    else if (!(check.duration > shortestInput))
        check.verdict = InputCheck::TooShort;
    return check;
}
