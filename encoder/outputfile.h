#ifndef ENCODER_OUTPUTFILE_H
#define ENCODER_OUTPUTFILE_H

#include <string>

// The output is written under a temporary name in the target folder and renamed at the end,
// so a failed or interrupted run never leaves a partial file nor clobbers an existing one.
// An output of "-" is the standard output, written as it comes.
class OutputFile
{
public:
    OutputFile(const std::string &path, bool overwrite);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Checks that the target may be written, then creates the temporary file; throws Failure.
    void create();
    const std::string &temporaryPath() const { return m_temporary; }
    bool toStandardOutput() const { return m_path == "-"; }
    // Takes over the descriptor of the temporary file; the caller closes it.
    int takeDescriptor();
    // Moves the finished temporary file to the target name; throws Failure.
    void commit();

private:
    std::string m_path;
    bool m_overwrite;
    std::string m_temporary;
    int m_fd = -1;
    bool m_committed = false;
};

#endif
