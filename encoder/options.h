#ifndef ENCODER_OPTIONS_H
#define ENCODER_OPTIONS_H

#include <string>
#include <vector>

enum class OutputFormat { Wav, Mpeg4Audio };

// The command line the conversion job builds; nothing else is accepted.
struct Options
{
    double start = 0.0; // -ss, seconds
    double length = -1.0; // -t, seconds; negative: to the end of the input
    bool overwrite = false; // -y
    std::string input; // -i
    int volume = 256; // -vol, 256 unchanged
    // The limiter, with the peak check of a ringtone: every MPEG-4 output, and any output with
    // -vol; a plain decode to WAV keeps the decoded sound.
    bool limit = false;
    double fadeIn = 0.0; // -fadein, seconds
    double fadeOut = 0.0; // -fadeout, seconds
    std::string title; // -metadata title=..., the MPEG-4 file's name tag; empty: none
    int bitRate = 192000; // -ab
    int channels = 2; // -ac
    int sampleRate = 44100; // -ar
    std::string output;
    OutputFormat format = OutputFormat::Wav;
};

// Throws Failure(Usage) on anything outside the accepted options.
Options parseOptions(const std::vector<std::string> &args);

#endif
