// The exported C interface; everything else in the library stays hidden.
#pragma GCC visibility push(default)
#include "sonvix.h"
#pragma GCC visibility pop

#include "player.h"

using sonvix::Player;

int sonvix_init(void)
{
    return Player::instance().init();
}

int sonvix_set_callback(sonvix_callback cb, void *user)
{
    return Player::instance().setCallback(cb, user);
}

int sonvix_open(const char *utf8_path, int, int)
{
    return Player::instance().open(utf8_path);
}

int sonvix_play(void)
{
    return Player::instance().play();
}

int sonvix_pause(void)
{
    return Player::instance().pause();
}

int sonvix_stop(void)
{
    return Player::instance().stop();
}

int sonvix_seek(double seconds)
{
    return Player::instance().seek(seconds);
}

double sonvix_get_position(void)
{
    return Player::instance().position();
}

int sonvix_set_volume(double factor)
{
    return Player::instance().setVolume(factor);
}

int sonvix_fadein(double seconds)
{
    return Player::instance().fadein(seconds);
}

int sonvix_fadeout(double seconds, double clip_end)
{
    return Player::instance().fadeout(seconds, clip_end);
}

int sonvix_loop(double begin, double end)
{
    return Player::instance().loop(begin, end);
}
