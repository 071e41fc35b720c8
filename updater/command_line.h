#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The five values the main program hands to the updater, in their order.
struct UpdaterArguments {
    std::string softwareName;
    std::string currentVersion;
    std::string newVersion;
    std::string downloadUrl;
    std::string programFileName;
};

// Splits a parameter text at blanks (spaces and tabs). A double quote starts
// or ends a group in which blanks belong to the argument; the quotes
// themselves are dropped, and "" gives an empty argument. The text is UTF-8,
// so a multi-byte character is never cut.
std::vector<std::string> splitCommandLine(std::string_view text);

// The updater's arguments from its argument list (program name excluded).
// A single argument holding blanks is read as the whole parameter text and
// split. Fewer than five values give none; values past the fifth are ignored.
std::optional<UpdaterArguments> readUpdaterArguments(const std::vector<std::string>& arguments);

}  // namespace velmora
