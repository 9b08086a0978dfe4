/* Preview player library: plays one file at a time, decoding on a thread of
 * its own. Every call returns at once; results are 0 or a negative error. */
#ifndef SONVIX_H
#define SONVIX_H

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the calls below. No audio device has a code of its own, so that a program can
 * say so instead of treating it as a file it cannot play. */
#define SONVIX_E_NO_DEVICE (-1) /* no audio output device could be opened */
#define SONVIX_E_BAD_ARGUMENT (-2) /* a null path, or a time or factor out of range */
#define SONVIX_E_CANNOT_OPEN (-3) /* the file cannot be decoded */
#define SONVIX_E_NO_FILE (-4) /* nothing is open to play */

/* Play states, as the callback reports them. */
#define SONVIX_STOPPED 0
#define SONVIX_PLAYING 1
#define SONVIX_PAUSED 2

/* state: SONVIX_STOPPED, SONVIX_PLAYING or SONVIX_PAUSED. Called on a library thread. */
typedef int (*sonvix_callback)(int state, void *user);

/* The audio device is opened by a start or a resume and closed when playback stops or pauses:
 * nothing reaches it while nothing plays. */
int sonvix_init(void);
int sonvix_set_callback(sonvix_callback cb, void *user);
int sonvix_open(const char *utf8_path, int reserved1, int reserved2);
int sonvix_play(void);
int sonvix_pause(void);
int sonvix_stop(void);
int sonvix_seek(double seconds);
double sonvix_get_position(void);
int sonvix_set_volume(double factor); /* 1.0 unchanged; 0 to 5 */
int sonvix_fadein(double seconds); /* applies to the next start or resume */

/* Later additions; a program that may meet an older library looks them up at run time. */

/* Fades to silence over the `seconds` before `clip_end` (seconds of the file) as the encoder's
 * -fadeout does, and ends playback there; 0: none. Applies to the next start from stopped, for
 * as long as that playback lasts, or to the next resume when asked while paused. */
int sonvix_fadeout(double seconds, double clip_end);
/* Plays `begin` to `end` (seconds of the file) again and again until stopped, every pass shaped
 * afresh as the encoder shapes a ringtone (limiter, fade-in, fade-out), so that the seam sounds
 * as a phone will play it; end <= begin: no loop. Applies to the next start from stopped, or to
 * the next resume when asked while paused. */
int sonvix_loop(double begin, double end);

#ifdef __cplusplus
}
#endif

#endif
