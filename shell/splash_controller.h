#pragma once

#include <string>

namespace velmora {

// The splash window shown while the program connects and loads.
class SplashController {
public:
    virtual ~SplashController() = default;
    // Opens the splash with a status text and lets it paint. False, and no
    // change, when it is already open.
    virtual bool show(const std::string& statusText) = 0;
    // Closes the splash without ending the program. False when it was not open.
    virtual bool close() = 0;
};

}  // namespace velmora
