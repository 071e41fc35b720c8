#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// True when a program file name names a file directly in the updater's own
// directory: not empty, not "." or "..", and without a path separator (either
// slash, on every platform) or a NUL byte.
bool isPlainFileName(std::string_view name);

// The program file beside the updater.
std::string programPath(const std::string& directory, const std::string& programFileName);

// The download's temporary file beside the updater: the MD5 digest of the
// program file name's bytes as 32 hexadecimal digits, without an extension.
std::string tempPath(const std::string& directory, const std::string& programFileName);

// Removes a leftover temporary file. True when nothing is left at the path;
// false when something stays there (a directory counts as undeletable: the
// updater never removes anything it did not write).
bool removeStaleTemp(const std::string& path);

// Length of a file in bytes, or -1 when it cannot be read.
std::int64_t fileLength(const std::string& path);

// Moves the download over the program file: a rename, or a copy followed by
// deleting the download when the rename fails. Then sets the executable bits
// where the platform has them. On failure the program file is left as it was
// when the copy could not start, and errorText says why.
bool replaceProgram(const std::string& downloadPath, const std::string& programPath, std::string& errorText);

}  // namespace velmora
