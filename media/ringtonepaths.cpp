#include "ringtonepaths.h"

#include "filepath.h"

namespace {

QString uniqueIn(CFilePath path, const QString &folder, const QString &ext)
{
    path.setDir(folder);
    path.setExt(ext);
    path.makeUnique();
    return path.fullPath();
}

} // namespace

QString decodeWavPath(const QString &input, const QString &folder)
{
    return uniqueIn(CFilePath(input), folder, QStringLiteral("wav"));
}

QString encoderOutputPath(const QString &input, const QString &folder)
{
    return uniqueIn(CFilePath(input), folder, QStringLiteral("m4a"));
}

QString ringtoneName(const QString &typedName, const QString &inputName)
{
    const QString name = validFileName(typedName);
    return name.isEmpty() ? inputName : name;
}

QString finalRingtonePath(const QString &encoded,
                          const QString &typedName,
                          const QString &inputName)
{
    CFilePath ringtone(encoded);
    ringtone.setName(ringtoneName(typedName, inputName));
    return uniqueIn(ringtone, ringtone.dir(), QStringLiteral("m4r"));
}

// A title may hold separators or dots that would lead out of the folder; it is cleaned like a
// typed name.
QString proposedSavePath(const QString &title, const QString &phonePath, const QString &folder)
{
    QString name = validFileName(title);
    if (name.count(QLatin1Char('.')) == name.size())
        name = CFilePath(phonePath).name();
    CFilePath path;
    path.setName(name);
    path.setExt(QStringLiteral("m4r"));
    if (folder.isEmpty())
        return path.fileName();
    return uniqueIn(path, folder, QStringLiteral("m4r"));
}
