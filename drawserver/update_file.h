#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velmora::drawserver {

// The file offered for download at the update address, read once at start.
struct UpdateFile {
    std::string name;          // the file's own name
    std::string urlPath;       // where it is served
    std::string bytes;
    std::string etag;          // quoted, from size and modification time
    std::string lastModified;  // HTTP date
};

// Files beyond this size are refused: the file is held in memory.
inline constexpr std::uint64_t kMaxUpdateFileBytes = 256ull * 1024 * 1024;

std::shared_ptr<const UpdateFile> loadUpdateFile(const std::string& path, std::string& error);

// The download path of a file name: "/update/" and the escaped name.
std::string updatePathFor(std::string_view fileName);

struct ByteRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;  // inclusive
};

enum class RangeAnswer { Whole, Partial, Unsatisfiable };

// Reads a Range header for a body of `size` bytes. One range of the forms
// "bytes=a-b", "bytes=a-" and "bytes=-n" gives Partial; a range that starts
// beyond the end gives Unsatisfiable; anything else (no header, several
// ranges, another unit, bad syntax) gives Whole, as the header may be ignored.
RangeAnswer readRange(std::string_view header, std::uint64_t size, ByteRange& range);

}  // namespace velmora::drawserver
