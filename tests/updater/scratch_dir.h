#pragma once

#include <filesystem>
#include <string>

namespace velmora::testing {

// A fresh directory under the build tree, removed again at the end. The
// build tree, unlike /tmp on some machines, allows running scripts.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// A shell script that writes "started" into `marker` when run.
std::string markerScript(const std::filesystem::path& marker);

// Waits up to five seconds for a file to appear with some content.
bool waitForFile(const std::filesystem::path& path);

}  // namespace velmora::testing
