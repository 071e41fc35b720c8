#pragma once

#include <string>

namespace velmora {

// The application info answered by "init"; fields carry the names of their
// reply keys.
struct AppInfo {
    std::string drawurl;   // endpoint of all draw queries
    std::string newphase;  // address of the latest-period text
    std::string advert1;   // page of the web pane
    std::string version;   // newest program version
    std::string proupurl;  // download address of that version

    bool operator==(const AppInfo&) const = default;
};

}  // namespace velmora
