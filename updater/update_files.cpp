#include "updater/update_files.h"

#include <filesystem>
#include <system_error>

#include "base/md5.h"

namespace velmora {

namespace fs = std::filesystem;

bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

static fs::path pathFromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

static std::string utf8FromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string programPath(const std::string& directory, const std::string& programFileName)
{
    return utf8FromPath(pathFromUtf8(directory) / pathFromUtf8(programFileName));
}

std::string tempPath(const std::string& directory, const std::string& programFileName)
{
    return utf8FromPath(pathFromUtf8(directory) / pathFromUtf8(md5Hex(programFileName)));
}

bool removeStaleTemp(const std::string& path)
{
    std::error_code error;
    const fs::path target = pathFromUtf8(path);
    const fs::file_status status = fs::symlink_status(target, error);
    if (error && status.type() != fs::file_type::not_found) {
        return false;
    }
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (status.type() == fs::file_type::directory) {
        return false;
    }
    fs::remove(target, error);
    return !error;
}

std::int64_t fileLength(const std::string& path)
{
    std::error_code error;
    const auto length = fs::file_size(pathFromUtf8(path), error);
    return error ? -1 : static_cast<std::int64_t>(length);
}

static void makeExecutable(const fs::path& path)
{
    std::error_code ignored;
    fs::permissions(path,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ignored);
}

bool replaceProgram(const std::string& downloadPath, const std::string& programPath, std::string& errorText)
{
    const fs::path from = pathFromUtf8(downloadPath);
    const fs::path to = pathFromUtf8(programPath);
    std::error_code error;
    fs::rename(from, to, error);
    if (error) {
        const std::string renameError = error.message();
        error.clear();
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
        if (error) {
            errorText = "rename: " + renameError + "; copy: " + error.message();
            return false;
        }
        fs::remove(from, error);
    }
    makeExecutable(to);
    errorText.clear();
    return true;
}

}  // namespace velmora
