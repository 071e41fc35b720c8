#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

struct AppContext;

// ".exe" on Windows, empty elsewhere.
std::string executableSuffix();
// "更新器" with the executable suffix.
std::string updaterFileName();

// Decimal reading of a version as a single-precision number; an empty or
// non-numeric text is 0.
float versionNumber(std::string_view text);
// True when newest reads as a greater number than current: "1.2" is newer
// than "1.15", "1.100" is not.
bool isNewerVersion(std::string_view newest, std::string_view current);

// Asks the user to update when the server's version is newer. True to go on
// with the start-up; false to end the program (update refused, or the
// updater has been started).
bool checkForUpdate(AppContext& context, const std::string& newestVersion, const std::string& updateAddress);

// Writes the carried updater to the context's updater path (when no file is
// there yet), makes it executable and starts it detached with the five
// arguments. The caller then ends the program.
void launchUpdater(AppContext& context, const std::string& softwareName, const std::string& currentVersion,
                   const std::string& newestVersion, const std::string& updateAddress,
                   const std::string& programFileName);

// Deletes an updater left over from an earlier update; failures are ignored.
void removeStaleUpdater(const std::filesystem::path& updaterPath);

}  // namespace velmora
