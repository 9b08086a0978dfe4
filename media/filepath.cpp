#include "filepath.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

CFilePath::CFilePath(const QString &path)
{
    const int sep = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString file = path;
    if (sep >= 0) {
        m_dir = path.left(sep);
        file = path.mid(sep + 1);
    }
    // A dot in first place starts a hidden name, not an extension.
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        m_name = file.left(dot);
        m_ext = file.mid(dot + 1);
    } else {
        m_name = file;
    }
}

QString CFilePath::fileName() const
{
    return m_name + QLatin1Char('.') + m_ext;
}

QString CFilePath::fullPath() const
{
    return m_dir + QLatin1Char('/') + fileName();
}

// The stem is the name on entry, so suffixes never pile up: 'song(2)', not 'song(1)(2)'.
int CFilePath::makeUnique()
{
    const QString stem = m_name;
    int i = 0;
    while (QFile::exists(fullPath())) {
        ++i;
        m_name = stem + QStringLiteral("(%1)").arg(i);
    }
    return i;
}

QString validFileName(const QString &text)
{
    static const QRegularExpression forbidden(QStringLiteral("[/*?:<>|\"\\\\]"));
    QString result = text;
    return result.remove(forbidden).trimmed();
}

bool isRegularFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
