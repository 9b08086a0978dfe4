#include "edithistory.h"

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_open.reset();
}

void EditHistory::begin(const EditState &before)
{
    if (!m_open)
        m_open = before;
}

void EditHistory::end(const EditState &after)
{
    if (!m_open)
        return;
    const EditState before = *m_open;
    m_open.reset();
    if (before == after)
        return;
    m_undo.push_back(before);
    if (m_undo.size() > depth)
        m_undo.pop_front();
    m_redo.clear();
}

std::optional<EditState> EditHistory::undo(const EditState &current)
{
    end(current);
    if (m_undo.empty())
        return std::nullopt;
    const EditState back = m_undo.back();
    m_undo.pop_back();
    m_redo.push_back(current);
    return back;
}

std::optional<EditState> EditHistory::redo(const EditState &current)
{
    end(current);
    if (m_redo.empty())
        return std::nullopt;
    const EditState again = m_redo.back();
    m_redo.pop_back();
    m_undo.push_back(current);
    return again;
}
