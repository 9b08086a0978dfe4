#ifndef FILEPATH_H
#define FILEPATH_H

#include <QString>

// A path split into folder, base name and extension. Composition always joins
// with a forward slash; whatever separators were given are kept.
class CFilePath
{
public:
    CFilePath() = default;
    explicit CFilePath(const QString &path);

    void setDir(const QString &dir) { m_dir = dir; }
    void setName(const QString &name) { m_name = name; }
    void setExt(const QString &ext) { m_ext = ext; }

    QString dir() const { return m_dir; }
    QString name() const { return m_name; }
    QString ext() const { return m_ext; }
    QString fileName() const;
    QString fullPath() const;

    int makeUnique();

private:
    QString m_dir;
    QString m_name;
    QString m_ext;
};

QString validFileName(const QString &text);

// Only regular files are loaded or sent to the phone: opening a pipe or a device may wait
// forever, and a folder is no media.
bool isRegularFile(const QString &path);

#endif
