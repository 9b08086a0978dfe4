#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include "editor/clipmodel.h"

#include <deque>
#include <optional>

// What undo brings back: the clip, the fades and the volume.
struct EditState
{
    ClipModel clip;
    int fadeIn = 0;
    int volume = 100;
    int fadeOut = 0;

    bool operator==(const EditState &other) const
    {
        return clip == other.clip && fadeIn == other.fadeIn && volume == other.volume
                && fadeOut == other.fadeOut;
    }
    bool operator!=(const EditState &other) const { return !(*this == other); }
};

// Undo and redo of the editor's values. A step runs from begin() to end(): one drag from press
// to release, one edited field, one key press. A step that changed nothing is not kept; the
// oldest steps go once `depth` are kept.
class EditHistory
{
public:
    static constexpr std::size_t depth = 1000;

    void clear();

    // The state before a change; only the first call of a step keeps it.
    void begin(const EditState &before);
    // Closes the step with the state after it; nothing open, nothing done.
    void end(const EditState &after);
    bool isOpen() const { return m_open.has_value(); }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // The state to show instead of `current`, which redo will bring back; nothing when there is
    // no step. An open step is closed with `current` first.
    std::optional<EditState> undo(const EditState &current);
    std::optional<EditState> redo(const EditState &current);

private:
    std::deque<EditState> m_undo;
    std::deque<EditState> m_redo;
    std::optional<EditState> m_open;
};

#endif
