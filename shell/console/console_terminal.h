#pragma once

#include <ostream>
#include <string>

namespace velmora {

// Lines on a terminal with one status line kept at the bottom. On an
// interactive terminal the status line is rewritten in place; elsewhere
// (a pipe, a file) each new status is printed as a plain line.
class ConsoleTerminal {
public:
    ConsoleTerminal(std::ostream& out, bool interactive);

    // Prints text (one or more lines) above the status line.
    void printLine(const std::string& text);
    // Replaces the status line; nothing happens when it is unchanged.
    void setStatus(const std::string& text);
    // Ends the status line so that whatever follows starts on a fresh line.
    void finish();

    bool interactive() const { return m_interactive; }

private:
    void clearStatus();

    std::ostream& m_out;
    bool m_interactive;
    std::string m_status;
    bool m_statusShown = false;
};

// Whether standard output is a terminal.
bool standardOutputIsTerminal();

}  // namespace velmora
