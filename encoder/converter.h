#ifndef ENCODER_CONVERTER_H
#define ENCODER_CONVERTER_H

#include <cstdint>
#include <vector>

struct AVFrame;
struct SwrContext;

// Brings decoded audio to planar float at the output rate and channel count. Input that is
// already planar float at that rate is passed through without a copy; the rest goes through
// libswresample. A mono input is copied to every output channel at full level.
class Converter
{
public:
    Converter(int channels, int sampleRate);
    ~Converter();
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts frame's samples from skip on; the result stays valid until the next call.
    // Returns the number of output samples in planes().
    int convert(const AVFrame *frame, int skip);
    // What the resampler still holds at the end of the input.
    int drain();
    const float *const *planes() const { return m_planes.data(); }

private:
    bool canPassThrough(const AVFrame *frame) const;
    void configure(const AVFrame *frame);
    int resample(const uint8_t **input, int count);

    int m_channels;
    int m_sampleRate;
    SwrContext *m_swr = nullptr;
    int m_inFormat = -1;
    int m_inRate = 0;
    int m_inChannels = 0;
    std::vector<const float *> m_planes;
    std::vector<std::vector<float>> m_buffers;
};

#endif
