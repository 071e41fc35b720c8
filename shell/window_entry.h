#pragma once

namespace velmora {

// The windowed front-end's entry: runs the whole program with the Qt windows
// and returns the exit code. shell/ui/window_frontend.cpp builds it on
// velmora::ui::runWindowed; the program has it only when built with
// VELMORA_BUILD_GUI.
int runWindowFrontend(int argc, char** argv);

}  // namespace velmora
