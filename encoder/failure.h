#ifndef ENCODER_FAILURE_H
#define ENCODER_FAILURE_H

#include <stdexcept>
#include <string>

// Ends the run: main prints the message as the one "Error: ..." line and exits with the code.
class Failure : public std::runtime_error
{
public:
    enum Code { Runtime = 1, Usage = 2 };

    explicit Failure(const std::string &message, Code code = Runtime)
        : std::runtime_error(message)
        , m_code(code)
    { }
    Code code() const { return m_code; }

private:
    Code m_code;
};

// Text of a libav* error code, for messages.
std::string avErrorText(int error);

// A message as one line: control characters (a newline in a file name, say) written as escapes,
// so that no name can end the error line or fake another one.
std::string oneLine(const std::string &text);

#endif
