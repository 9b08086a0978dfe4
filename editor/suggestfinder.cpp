#include "suggestfinder.h"

#include "analysis/features.h"

#include <QFile>
#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QtConcurrent>

#include <string>

Q_LOGGING_CATEGORY(lcSuggest, "vardel.suggest")

SuggestFinder::SuggestFinder(QObject *parent)
    : QObject(parent)
{ }

// The pool's work holds nothing of this object, so an unfinished one may outlive it.
template<typename T, typename Done>
void SuggestFinder::whenFinished(const QFuture<T> &future, Done done)
{
    auto *watcher = new QFutureWatcher<T>(this);
    connect(watcher,
            &QFutureWatcher<T>::finished,
            this,
            [this, watcher, done, generation = m_generation] {
                watcher->deleteLater();
                if (generation == m_generation)
                    done(watcher->result());
            });
    watcher->setFuture(future);
}

void SuggestFinder::clear()
{
    ++m_generation;
    m_features.reset();
    m_searching = false;
    m_failed = false;
}

void SuggestFinder::analyse(const QString &wavPath)
{
    clear();
    whenFinished(QtConcurrent::run([wavPath]() -> FeaturesPtr {
                     auto features = std::make_shared<analysis::Features>();
                     std::string error;
                     const bool read = analysis::readWavFeatures(
                             QFile::encodeName(wavPath).toStdString(), *features, error);
                     QFile::remove(wavPath);
                     if (!read) {
                         qCWarning(lcSuggest)
                                 << "cannot read" << wavPath << QString::fromStdString(error);
                         return nullptr;
                     }
                     return features;
                 }),
                 [this](const FeaturesPtr &features) {
                     m_features = features;
                     m_failed = !features;
                     emit analysed(m_features != nullptr);
                 });
}

bool SuggestFinder::isReady() const
{
    return m_features && !m_searching;
}

void SuggestFinder::find(double seconds, int count)
{
    if (!isReady())
        return;
    m_searching = true;
    const FeaturesPtr features = m_features;
    whenFinished(QtConcurrent::run([features, seconds, count] {
                     return analysis::suggest(*features, seconds, count);
                 }),
                 [this](const Candidates &candidates) {
                     m_searching = false;
                     emit found(candidates);
                 });
}
