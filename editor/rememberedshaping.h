#ifndef REMEMBEREDSHAPING_H
#define REMEMBEREDSHAPING_H

#include <QCoreApplication>
#include <QString>

// The ringtone's shaping kept in the settings from last time: fades, loop and even loudness.
// Told once, with the first file loaded, so that none of it applies to a new song unseen.
class RememberedShaping
{
    Q_DECLARE_TR_FUNCTIONS(RememberedShaping)

public:
    struct Values
    {
        int fadeIn = 0;
        int fadeOut = 0;
        bool loop = false;
        bool evenLoudness = false;
    };

    // "Fade-out 2 s, Loop on, from last time"; empty when everything is as the form makes it.
    static QString describe(const Values &values);
    // The description the first time it is asked for, nothing after that.
    QString tellOnce(const Values &values);

    static int fadeIn();
    static void rememberFadeIn(int seconds);

private:
    bool told = false;
};

#endif
