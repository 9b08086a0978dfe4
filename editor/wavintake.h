#ifndef WAVINTAKE_H
#define WAVINTAKE_H

#include "media/loudnessblocks.h"
#include "media/wavesummary.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace analysis {
struct Features;
}

// Everything the window needs of a loaded file's decoded WAV, taken in one read: the waveform
// picture, the summary that draws any zoomed stretch, the loudness blocks that measure any
// clip and the features the suggestion searches. Each part is null when it could not be had.
struct WavIntake
{
    QImage image;
    std::shared_ptr<const CWaveSummary> summary;
    std::shared_ptr<const LoudnessBlocks> blocks;
    std::shared_ptr<const analysis::Features> features;
    // Seconds of this thread's processor time spent on the blocks and the features, which the
    // picture does not wait for on a machine with a core to spare.
    double analysisSeconds = 0.0;
};

// Reads the WAV at path once; the picture is `pixels` in size. Takes as long as the file is
// long: run it off the GUI thread.
WavIntake readWavIntake(const QString &path, QSize pixels);

#endif
