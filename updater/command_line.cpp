#include "updater/command_line.h"

namespace velmora {

std::vector<std::string> splitCommandLine(std::string_view text)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
        } else {
            current.push_back(c);
            inArgument = true;
        }
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

std::optional<UpdaterArguments> readUpdaterArguments(const std::vector<std::string>& arguments)
{
    std::vector<std::string> values = arguments;
    if (values.size() == 1 && values.front().find_first_of(" \t\"") != std::string::npos) {
        values = splitCommandLine(values.front());
    }
    if (values.size() < 5) {
        return std::nullopt;
    }
    return UpdaterArguments{values[0], values[1], values[2], values[3], values[4]};
}

}  // namespace velmora
