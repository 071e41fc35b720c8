#include "drawserver/update_file.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "server/url_escape.h"

namespace velmora::drawserver {
namespace {

std::string httpDate(std::time_t t)
{
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &tm);
    return text;
}

bool readNumber(std::string_view text, std::uint64_t& value)
{
    if (text.empty() || text.size() > 19) {
        return false;
    }
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + std::uint64_t(c - '0');
    }
    return true;
}

}  // namespace

std::shared_ptr<const UpdateFile> loadUpdateFile(const std::string& path, std::string& error)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "the update file " + path + " does not exist or is not a regular file";
        return nullptr;
    }
    if (std::uint64_t(info.st_size) > kMaxUpdateFileBytes) {
        error = "the update file " + path + " is larger than 256 MiB";
        return nullptr;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        error = "cannot read the update file " + path;
        return nullptr;
    }
    auto file = std::make_shared<UpdateFile>();
    file->name = std::filesystem::path(path).filename().string();
    file->urlPath = updatePathFor(file->name);
    file->bytes = bytes.str();
    file->etag = "\"" + std::to_string(file->bytes.size()) + "-" + std::to_string(std::int64_t(info.st_mtime)) + "\"";
    file->lastModified = httpDate(info.st_mtime);
    return file;
}

std::string updatePathFor(std::string_view fileName)
{
    return "/update/" + urlEscape(fileName);
}

RangeAnswer readRange(std::string_view header, std::uint64_t size, ByteRange& range)
{
    constexpr std::string_view unit = "bytes=";
    if (header.substr(0, unit.size()) != unit) {
        return RangeAnswer::Whole;
    }
    std::string_view spec = header.substr(unit.size());
    while (!spec.empty() && spec.front() == ' ') {
        spec.remove_prefix(1);
    }
    while (!spec.empty() && spec.back() == ' ') {
        spec.remove_suffix(1);
    }
    const std::size_t dash = spec.find('-');
    if (dash == std::string_view::npos || spec.find(',') != std::string_view::npos) {
        return RangeAnswer::Whole;
    }
    const std::string_view firstText = spec.substr(0, dash);
    const std::string_view lastText = spec.substr(dash + 1);
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    if (firstText.empty()) {
        // The final n bytes.
        if (!readNumber(lastText, last)) {
            return RangeAnswer::Whole;
        }
        if (last == 0 || size == 0) {
            return RangeAnswer::Unsatisfiable;
        }
        range.first = last >= size ? 0 : size - last;
        range.last = size - 1;
        return RangeAnswer::Partial;
    }
    if (!readNumber(firstText, first)) {
        return RangeAnswer::Whole;
    }
    if (lastText.empty()) {
        last = size == 0 ? 0 : size - 1;
    } else if (!readNumber(lastText, last) || last < first) {
        return RangeAnswer::Whole;
    }
    if (first >= size) {
        return RangeAnswer::Unsatisfiable;
    }
    range.first = first;
    range.last = last >= size ? size - 1 : last;
    return RangeAnswer::Partial;
}

}  // namespace velmora::drawserver
