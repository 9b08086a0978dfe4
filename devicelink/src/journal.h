// Files this library wrote to one phone and has not committed yet, kept in the user's state
// folder so that after a crash only our own orphans are removed, never another program's files.
#ifndef HANDVIA_JOURNAL_H
#define HANDVIA_JOURNAL_H

#include <string>
#include <vector>

namespace handvia {

struct JournalRecord
{
    long writer = 0; // process id
    std::string fileName;
};

class Journal
{
public:
    Journal() = default;
    // One journal per phone, named after what identifies it.
    explicit Journal(const std::string &phone);

    bool valid() const { return !m_path.empty(); }
    // Recorded before the file is written, so no crash can leave it unrecorded.
    bool record(const std::string &fileName);
    void forget(const std::vector<JournalRecord> &records);
    std::vector<JournalRecord> records() const;

private:
    std::string m_path;
};

} // namespace handvia

#endif
