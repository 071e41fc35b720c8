#include "shell/app_settings.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "base/gbk.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora {

namespace {

struct Line {
    std::string_view text;  // without its line ending
    std::size_t begin = 0;  // offset of the line in the file
    std::size_t end = 0;    // offset just after the text (before the line ending)
};

std::vector<Line> splitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t newline = bytes.find('\n', begin);
        const std::size_t next = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        if (end > begin && bytes[end - 1] == '\r') {
            --end;
        }
        lines.push_back({bytes.substr(begin, end - begin), begin, end});
        begin = next;
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = char(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = char(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

// The name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(line.substr(1, close - 1));
}

bool isComment(std::string_view line)
{
    line = trimmed(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

struct Located {
    bool sectionFound = false;
    std::size_t sectionLine = 0;      // index of the "[section]" line
    std::size_t lastContentLine = 0;  // last non-blank line of the section
    std::optional<std::size_t> keyLine;
    std::string_view value;
};

Located locate(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Located found;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        if (auto name = sectionName(text)) {
            if (inSection) {
                break;
            }
            if (sameName(*name, section)) {
                inSection = true;
                found.sectionFound = true;
                found.sectionLine = i;
                found.lastContentLine = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (!trimmed(text).empty()) {
            found.lastContentLine = i;
        }
        if (isComment(text)) {
            continue;
        }
        const std::size_t equals = text.find('=');
        if (equals != std::string_view::npos && sameName(trimmed(text.substr(0, equals)), key)) {
            found.keyLine = i;
            found.value = trimmed(text.substr(equals + 1));
            break;
        }
    }
    return found;
}

std::optional<std::string> readBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return std::move(bytes).str();
}

bool replaceFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace

AppSettings::AppSettings(std::filesystem::path file, std::string section)
    : m_file(std::move(file)), m_section(std::move(section))
{
}

std::string AppSettings::read(const std::string& key, const std::string& defaultText) const
{
    const auto bytes = readBytes(m_file);
    const auto section = utf8ToGbk(m_section);
    const auto gbkKey = utf8ToGbk(key);
    if (!bytes || !section || !gbkKey) {
        return defaultText;
    }
    const std::vector<Line> lines = splitLines(*bytes);
    const Located found = locate(lines, *section, *gbkKey);
    if (!found.keyLine) {
        return defaultText;
    }
    return gbkToUtf8(found.value).value_or(defaultText);
}

bool AppSettings::write(const std::string& key, const std::string& value) const
{
    const auto section = utf8ToGbk(m_section);
    const auto gbkKey = utf8ToGbk(key);
    const auto gbkValue = utf8ToGbk(value);
    if (!section || !gbkKey || !gbkValue || gbkKey->find_first_of("=\r\n") != std::string::npos
        || gbkValue->find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    std::error_code error;
    std::string bytes;
    if (std::filesystem::exists(m_file, error)) {
        auto existing = readBytes(m_file);
        if (!existing) {
            return false;
        }
        bytes = std::move(*existing);
    }
    const bool crlf = bytes.empty() || bytes.find("\r\n") != std::string::npos;
    const std::string newline = crlf ? "\r\n" : "\n";
    const std::string entry = *gbkKey + "=" + *gbkValue;

    const std::vector<Line> lines = splitLines(bytes);
    const Located found = locate(lines, *section, *gbkKey);
    if (found.keyLine) {
        const Line& line = lines[*found.keyLine];
        bytes.replace(line.begin, line.end - line.begin, entry);
    } else if (found.sectionFound) {
        const Line& after = lines[found.lastContentLine];
        const bool hasEnding = after.end < bytes.size();
        if (hasEnding) {
            const std::size_t next = bytes.find('\n', after.end) + 1;
            bytes.insert(next, entry + newline);
        } else {
            bytes += newline + entry + newline;
        }
    } else {
        if (!bytes.empty() && bytes.back() != '\n') {
            bytes += newline;
        }
        bytes += "[" + *section + "]" + newline + entry + newline;
    }
    return replaceFile(m_file, bytes);
}

std::filesystem::path settingsFileIn(const std::filesystem::path& directory)
{
    return directory / utf8Path("配置.ini");
}

void markSettingsFileHidden([[maybe_unused]] const std::filesystem::path& file)
{
#ifdef _WIN32
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
}

std::filesystem::path utf8Path(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string pathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace velmora
