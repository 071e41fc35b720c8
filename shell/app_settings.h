#pragma once

#include <filesystem>
#include <string>

namespace velmora {

// One section of a profile (INI) file: "[section]" lines, "key=value" lines.
// The file is stored in GBK; texts are UTF-8 here. Section and key names
// compare without regard to ASCII case. Writing changes only the one line of
// the key (or adds it) and keeps every other byte of the file as it was.
class AppSettings {
public:
    AppSettings(std::filesystem::path file, std::string section);

    // The value, or defaultText when the file, the section or the key is
    // missing or the file cannot be read.
    std::string read(const std::string& key, const std::string& defaultText) const;
    // Writes key=value, creating the file and the section when needed. False
    // when the file could not be written; the file is then left as it was.
    bool write(const std::string& key, const std::string& value) const;

    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
    std::string m_section;
};

// "配置.ini" in directory.
std::filesystem::path settingsFileIn(const std::filesystem::path& directory);

// Gives the file exactly the hidden attribute (clearing read-only and archive)
// on Windows, whether or not it exists; elsewhere files have no such
// attribute and nothing happens.
void markSettingsFileHidden(const std::filesystem::path& file);

// A path from a UTF-8 text, on every platform.
std::filesystem::path utf8Path(const std::string& text);
// The UTF-8 text of a path.
std::string pathText(const std::filesystem::path& path);

}  // namespace velmora
