#include "fakes.h"

#include <sonvix.h>

namespace {

sonvix_callback callback = nullptr;
void *callbackUser = nullptr;
double position = 0.0;
int playResult = 0;

int record(const QString &call)
{
    fakes::playerCalls().append(call);
    return 0;
}

} // namespace

QStringList &fakes::playerCalls()
{
    static QStringList calls;
    return calls;
}

void fakes::setPlayerPosition(double seconds)
{
    position = seconds;
}

void fakes::setPlayResult(int result)
{
    playResult = result;
}

void fakes::raisePlayState(int state)
{
    if (callback)
        callback(state, callbackUser);
}

extern "C" {

int sonvix_init(void)
{
    return record(QStringLiteral("init"));
}

int sonvix_set_callback(sonvix_callback cb, void *user)
{
    callback = cb;
    callbackUser = user;
    return record(QStringLiteral("set_callback"));
}

int sonvix_open(const char *utf8_path, int reserved1, int reserved2)
{
    return record(QStringLiteral("open %1 %2 %3")
                          .arg(QString::fromUtf8(utf8_path))
                          .arg(reserved1)
                          .arg(reserved2));
}

int sonvix_play(void)
{
    record(QStringLiteral("play"));
    return playResult;
}

int sonvix_pause(void)
{
    record(QStringLiteral("pause"));
    return playResult;
}

int sonvix_stop(void)
{
    return record(QStringLiteral("stop"));
}

int sonvix_seek(double seconds)
{
    return record(QStringLiteral("seek %1").arg(seconds, 0, 'g', 12));
}

double sonvix_get_position(void)
{
    return position;
}

int sonvix_set_volume(double factor)
{
    return record(QStringLiteral("volume %1").arg(factor));
}

int sonvix_fadein(double seconds)
{
    return record(QStringLiteral("fadein %1").arg(seconds));
}

// Built without them, the fake stands for a player library older than the program.
#ifndef FAKE_SONVIX_WITHOUT_SHAPING
int sonvix_fadeout(double seconds, double clip_end)
{
    return record(QStringLiteral("fadeout %1 %2").arg(seconds).arg(clip_end, 0, 'g', 12));
}

int sonvix_loop(double begin, double end)
{
    return record(QStringLiteral("loop %1 %2").arg(begin, 0, 'g', 12).arg(end, 0, 'g', 12));
}
#endif
}
