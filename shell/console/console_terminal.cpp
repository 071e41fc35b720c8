#include "shell/console/console_terminal.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace velmora {

namespace {

std::string withUnixLineEnds(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        result += text[i];
    }
    return result;
}

}  // namespace

ConsoleTerminal::ConsoleTerminal(std::ostream& out, bool interactive) : m_out(out), m_interactive(interactive) {}

void ConsoleTerminal::clearStatus()
{
    if (m_statusShown) {
        m_out << "\r\033[K";
        m_statusShown = false;
    }
}

void ConsoleTerminal::printLine(const std::string& text)
{
    clearStatus();
    std::string lines = withUnixLineEnds(text);
    if (lines.empty() || lines.back() != '\n') {
        lines += '\n';
    }
    m_out << lines;
    if (m_interactive && !m_status.empty()) {
        m_out << m_status;
        m_statusShown = true;
    }
    m_out.flush();
}

void ConsoleTerminal::setStatus(const std::string& text)
{
    if (text == m_status) {
        return;
    }
    m_status = text;
    if (m_interactive) {
        clearStatus();
        m_out << m_status;
        m_statusShown = true;
    } else {
        m_out << m_status << '\n';
    }
    m_out.flush();
}

void ConsoleTerminal::finish()
{
    if (m_statusShown) {
        m_out << '\n';
        m_statusShown = false;
    }
    m_status.clear();
    m_out.flush();
}

bool standardOutputIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

}  // namespace velmora
