#ifndef FILEINTAKE_H
#define FILEINTAKE_H

#include "editor/wavintake.h"

#include <QObject>
#include <QSize>
#include <QString>

// Takes in the loaded file's decoded WAV away from the GUI thread, once, and keeps the WAV
// while the file stays loaded: a clip that the limiter changes is measured from it. The WAV
// goes when another file comes, on forget() and with this object; a newer read makes an older
// one's result go unreported.
class FileIntake : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileIntake)

public:
    explicit FileIntake(QObject *parent = nullptr);
    ~FileIntake() override;

    // ready() follows, with null parts when the file cannot be read.
    void read(const QString &wavPath, QSize pixels);
    void forget();
    QString wavPath() const { return m_wav; }

signals:
    void ready(const WavIntake &intake);

private:
    QString m_wav;
    int m_generation = 0;
};

#endif
