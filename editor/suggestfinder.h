#ifndef SUGGESTFINDER_H
#define SUGGESTFINDER_H

#include "analysis/suggest.h"

#include <QFuture>
#include <QObject>

#include <memory>
#include <vector>

// Finds the stretches of the loaded song worth hearing, away from the GUI thread: the song's
// features come once per file, read with its waveform, then the candidates of each length
// asked for. A new file makes the last one's results go unreported.
class SuggestFinder : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SuggestFinder)

public:
    using Candidates = std::vector<analysis::Suggestion>;

    explicit SuggestFinder(QObject *parent = nullptr);

    // Forgets the last file.
    void clear();
    // The song's features, taken in with the rest of its WAV; null when there was no sound to
    // read. analysed() follows at once.
    void take(std::shared_ptr<const analysis::Features> features);
    // The features are there and no search runs.
    bool isReady() const;
    // The last analysis found no sound it could read.
    bool hasFailed() const { return m_failed; }
    // Up to `count` stretches of `seconds`, best first; found() follows.
    void find(double seconds, int count);

signals:
    // False when the WAV could not be read: there is nothing to suggest from.
    void analysed(bool ok);
    void found(const SuggestFinder::Candidates &candidates);

private:
    using FeaturesPtr = std::shared_ptr<const analysis::Features>;

    // Hands the future's result to `done` unless clear() came in between.
    template<typename T, typename Done>
    void whenFinished(const QFuture<T> &future, Done done);

    FeaturesPtr m_features;
    int m_generation = 0; // counts the files
    bool m_searching = false;
    bool m_failed = false;
};

#endif
