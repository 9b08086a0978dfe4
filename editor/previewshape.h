#ifndef PREVIEWSHAPE_H
#define PREVIEWSHAPE_H

#include "editor/clipmodel.h"
#include "previewplayer.h"

// What a clip preview sounds like: the clip and the ringtone's shaping as they are set at the
// moment Play Clip is pressed.
struct PreviewShape
{
    ClipModel::Ms begin = 0;
    ClipModel::Ms length = 0;
    int fadeIn = 0; // seconds
    int fadeOut = 0; // seconds; 0: none
    bool loop = false;

    double beginSeconds() const;
    // Where the ringtone ends, in the player's frames: the encoder cuts round(start x rate) and
    // round(length x rate) frames.
    double endSeconds() const;
};

// Plays the clip from its start with `shape`. A paused preview is resumed there with the shaping
// replaced, what is no longer set cleared, so that it never goes on with an old end, fade or
// loop. From stopped, nothing is asked at the form's defaults beyond what Play Clip always asked.
PreviewPlayer::Result playClip(PreviewPlayer &player, const PreviewShape &shape, bool paused);

#endif
