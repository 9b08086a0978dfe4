#include "suggestfinder.h"

#include "analysis/features.h"

#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QtConcurrent>

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

void SuggestFinder::take(std::shared_ptr<const analysis::Features> features)
{
    clear();
    m_features = std::move(features);
    m_failed = !m_features;
    if (m_failed)
        qCWarning(lcSuggest) << "no sound to suggest from";
    emit analysed(!m_failed);
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
