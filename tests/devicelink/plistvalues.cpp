#include "plistvalues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <memory>
#include <vector>

QVector<PlistValues> readPlistValues(const QVector<QByteArray> &files, const QStringList &ignored)
{
    std::vector<std::unique_ptr<QTemporaryFile>> temporary;
    QStringList arguments = {QStringLiteral(PLISTVALUES_SCRIPT)};
    for (const QByteArray &bytes : files) {
        temporary.push_back(std::make_unique<QTemporaryFile>());
        QTemporaryFile &file = *temporary.back();
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            return {};
        arguments << file.fileName();
    }
    for (const QString &path : ignored)
        arguments << QStringLiteral("--ignore") << path;
    QProcess python;
    python.start(QStringLiteral(PYTHON3), arguments);
    if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit
        || python.exitCode() != 0)
        return {};
    QVector<PlistValues> result;
    const QJsonArray read = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    for (const QJsonValue &one : read)
        result.append({one[QStringLiteral("raw")], one[QStringLiteral("values")]});
    return result.size() == files.size() ? result : QVector<PlistValues>();
}
