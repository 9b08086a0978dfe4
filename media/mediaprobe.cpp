#include "mediaprobe.h"

extern "C" {
#include <libavformat/avformat.h>
}

// Current libavformat registers its formats by itself; the constructor has nothing to set up.
CMediaProbe::CMediaProbe() = default;

void CMediaProbe::silenceLibrary()
{
    av_log_set_level(AV_LOG_QUIET);
}

int CMediaProbe::probe(const char *fileName)
{
    AVFormatContext *context = nullptr;
    int result = avformat_open_input(&context, fileName, nullptr, nullptr);
    if (result < 0)
        return result;
    result = avformat_find_stream_info(context, nullptr);
    if (result < 0) {
        avformat_close_input(&context);
        return result;
    }
    // No test for the no-value marker: an unknown duration becomes a large negative
    // number, which callers reject like any other too-short file.
    m_duration = double(context->duration) * 0.000001;
    m_hasAudio = av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) >= 0;
    avformat_close_input(&context);
    return 0;
}
