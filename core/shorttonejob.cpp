#include "shorttonejob.h"

#include "media/ringtonepaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ShortToneJob::ShortToneJob(QObject *parent)
    : QObject(parent)
{
    connect(&m_converter, &CAVConverter::finished, this, &ShortToneJob::onEncoded);
}

void ShortToneJob::start(const ToneRecipe &recipe, const QString &madeFile, int seconds)
{
    const QFileInfo made(madeFile);
    m_name = QStringLiteral("%1 %2 s").arg(made.completeBaseName()).arg(seconds);
    m_inputName = QFileInfo(recipe.input).completeBaseName();
    m_converter.reset();
    m_converter.setInput(recipe.input);
    m_converter.addStart(recipe.start);
    m_converter.addLength(qMin<double>(recipe.length, seconds));
    m_converter.addTitle(m_name);
    m_converter.addVolume(recipe.volume);
    m_converter.addFadeIn(recipe.fadeIn);
    if (recipe.fadeOut > 0)
        m_converter.addFadeOut(recipe.fadeOut);
    m_converter.setOutput(encoderOutputPath(recipe.input, made.absolutePath()));
    m_converter.start(CAVConverter::Ringtone);
}

void ShortToneJob::onEncoded()
{
    const QString encoded = m_converter.output();
    if (!m_converter.succeeded() || !QFile::exists(encoded)) {
        QFile::remove(encoded);
        emit finished(QString());
        return;
    }
    const QString final = finalRingtonePath(encoded, m_name, m_inputName);
    emit finished(QDir().rename(encoded, final) ? final : QString());
}
