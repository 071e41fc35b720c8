#pragma once

#include <string>
#include <vector>

namespace velmora::testing {

struct ProcessResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with its arguments (no shell), standard input empty, and
// collects both outputs.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

}  // namespace velmora::testing
