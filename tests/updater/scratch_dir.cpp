#include "scratch_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

#include "test_paths.h"

namespace velmora::testing {

ScratchDir::ScratchDir()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::path(VELMORA_BINARY_DIR) / "test-scratch"
        / ("updater-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchDir::file(const std::string& name) const
{
    return (m_path / name).string();
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string markerScript(const std::filesystem::path& marker)
{
    return "#!/bin/sh\necho started > '" + marker.string() + "'\n";
}

bool waitForFile(const std::filesystem::path& path)
{
    for (int i = 0; i < 200; ++i) {
        std::error_code error;
        if (std::filesystem::file_size(path, error) > 0 && !error) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

}  // namespace velmora::testing
