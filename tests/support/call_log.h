#pragma once

#include <string>
#include <vector>

namespace velmora::testing {

// One ordered record of the calls several fakes receive, so that a test can
// check the order across them.
struct CallLog {
    void add(std::string entry) { entries.push_back(std::move(entry)); }

    std::vector<std::string> entries;
};

inline void logCall(CallLog* log, std::string entry)
{
    if (log != nullptr) {
        log->add(std::move(entry));
    }
}

}  // namespace velmora::testing
