#ifndef ENCODER_PEAKCHECK_H
#define ENCODER_PEAKCHECK_H

#include "shaping/peakmeter.h"

struct AVCodecContext;
struct AVCodecParameters;
struct AVFrame;
struct AVPacket;

// Decodes the AAC packets as they are written, the way a player will, and measures the true
// peak of what comes out: the ringtone is checked without reading it back from the disk.
class PeakCheck
{
public:
    // `floor`: a peak below it needs no exact measure.
    PeakCheck(const AVCodecParameters *stream, float floor);
    ~PeakCheck();
    PeakCheck(const PeakCheck &) = delete;
    PeakCheck &operator=(const PeakCheck &) = delete;

    void take(const AVPacket *packet);
    // After the last packet: the true peak of the decoded whole.
    float peak();
    // Seconds spent decoding and measuring.
    double seconds() const { return m_seconds; }

private:
    void receive();

    AVCodecContext *m_decoder = nullptr;
    AVFrame *m_frame = nullptr;
    shaping::PeakMeter m_meter;
    double m_seconds = 0;
};

#endif
