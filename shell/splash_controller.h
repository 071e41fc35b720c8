#pragma once

#include <string>

namespace velmora {

// The splash window shown while the program connects and loads.
//
// When the user asks to close the splash window (its close button, Alt+F4;
// not close() below), the front-end ends the program at once with exit code
// 0: the start-up does not resume and the main window is never shown. The
// start-up runs inside Application::start() and lets window events run only
// through MainView::processPendingEvents and show(), so that is where such a
// request arrives.
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
