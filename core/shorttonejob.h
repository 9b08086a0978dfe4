#ifndef SHORTTONEJOB_H
#define SHORTTONEJOB_H

#include "media/avconverter.h"

#include <QObject>
#include <QString>

// How a ringtone was made, so that another of the same clip can be made: the same input,
// start, volume and fades, only shorter.
struct ToneRecipe
{
    QString input;
    double start = 0; // seconds
    double length = 0; // seconds
    int volume = 256; // the encoder's -vol
    int fadeIn = 0; // whole seconds
    int fadeOut = 0; // whole seconds; 0 for none
    QString title; // the name tag
};

// Makes a shorter version of a made ringtone with the encoder, as its own file beside it:
// "NAME 30 s.m4r" next to "NAME.m4r".
class ShortToneJob : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortToneJob)

public:
    explicit ShortToneJob(QObject *parent = nullptr);

    void start(const ToneRecipe &recipe, const QString &madeFile, int seconds);
    bool isRunning() const { return m_converter.isRunning(); }
    // The encoder program; by default the one beside the program.
    void setEncoder(const QString &program) { m_converter.setProgram(program); }

signals:
    // The new ringtone; empty when it could not be made.
    void finished(const QString &file);

private:
    void onEncoded();

    CAVConverter m_converter;
    QString m_name;
    QString m_inputName;
};

#endif
