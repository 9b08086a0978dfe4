#include "clipmodel.h"

#include <algorithm>
#include <cmath>

ClipModel::ClipModel(Ms duration, Ms begin, Ms end)
    : m_duration(duration)
    , m_begin(begin)
    , m_end(end)
{ }

void ClipModel::reset(Ms duration)
{
    m_duration = std::max<Ms>(duration, 0);
    m_begin = 0;
    m_end = std::min(m_duration, defaultLengthMs);
}

// A file shorter than the shortest clip is taken whole.
ClipModel::Ms ClipModel::shortest() const
{
    return std::min(shortestMs, m_duration);
}

bool ClipModel::isValid() const
{
    return m_duration > 0 && 0 <= m_begin && m_end <= m_duration && length() >= shortest()
            && length() > 0;
}

ClipModel::Fit ClipModel::place(Edge edge, Ms at)
{
    at = std::clamp<Ms>(at, 0, m_duration);
    const Ms kept = std::max(length(), shortest());
    if (edge == Edge::Begin) {
        if (at >= m_end)
            m_end = at + kept;
        else if (m_end - at < shortest())
            m_end = at + shortest();
        m_begin = at;
    } else {
        if (at <= m_begin)
            m_begin = at - kept;
        else if (at - m_begin < shortest())
            m_begin = at - shortest();
        m_end = at;
    }
    return keepInside();
}

// Moves a clip that ran off either end of the file back inside, its length kept.
ClipModel::Fit ClipModel::keepInside()
{
    const Ms length = std::min(this->length(), m_duration);
    if (m_end > m_duration) {
        m_end = m_duration;
        m_begin = m_end - length;
        return Fit::HeldAtFileEnd;
    }
    if (m_begin < 0) {
        m_begin = 0;
        m_end = length;
        return Fit::HeldAtFileStart;
    }
    return Fit::Taken;
}

void ClipModel::moveEdge(Edge edge, Ms delta)
{
    if (edge == Edge::Begin)
        m_begin = std::clamp<Ms>(m_begin + delta, 0, std::max<Ms>(0, m_end - shortest()));
    else
        m_end = std::clamp<Ms>(
                m_end + delta, std::min(m_duration, m_begin + shortest()), m_duration);
}

void ClipModel::move(Ms delta)
{
    const Ms length = this->length();
    m_begin = std::clamp<Ms>(m_begin + delta, 0, std::max<Ms>(0, m_duration - length));
    m_end = m_begin + length;
}

void ClipModel::set(Ms begin, Ms end)
{
    m_begin = std::clamp<Ms>(begin, 0, m_duration);
    m_end = std::clamp<Ms>(end, 0, m_duration);
    if (m_end - m_begin < shortest()) {
        m_end = m_begin + shortest();
        keepInside();
    }
}

bool ClipModel::operator==(const ClipModel &other) const
{
    return m_duration == other.m_duration && m_begin == other.m_begin && m_end == other.m_end;
}

ClipModel::Ms msOf(double seconds)
{
    if (!std::isfinite(seconds))
        return 0;
    return ClipModel::Ms(std::llround(seconds * 1000.0));
}

double secondsOf(ClipModel::Ms ms)
{
    return double(ms) / 1000.0;
}
