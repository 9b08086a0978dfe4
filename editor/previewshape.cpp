#include "previewshape.h"

#include <cmath>

namespace {

constexpr double playerRate = 44100.0;

} // namespace

double PreviewShape::beginSeconds() const
{
    return secondsOf(begin);
}

double PreviewShape::endSeconds() const
{
    return double(std::llround(beginSeconds() * playerRate)
                  + std::llround(secondsOf(length) * playerRate))
            / playerRate;
}

PreviewPlayer::Result playClip(PreviewPlayer &player, const PreviewShape &shape, bool paused)
{
    const double begin = shape.beginSeconds();
    const double end = shape.endSeconds();
    player.setFadeIn(double(shape.fadeIn));
    if (player.canFadeOut() && (paused || shape.fadeOut > 0))
        player.setFadeOut(double(shape.fadeOut), end);
    if (player.canLoop() && (paused || shape.loop))
        player.setLoop(begin, shape.loop ? end : begin);
    player.seek(begin);
    // The library's pause resumes a paused playback.
    return paused ? player.pause() : player.play();
}
