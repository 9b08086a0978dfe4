#ifndef ENCODER_TRANSCODER_H
#define ENCODER_TRANSCODER_H

struct Options;

// Decodes the chosen stretch of the input, shapes it and writes the output file.
// Throws Failure; on failure no output file is left behind.
void transcode(const Options &options);

#endif
