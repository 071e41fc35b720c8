#pragma once

namespace velmora {

// The windowed front-end's entry. shell/ui implements it (library target
// `ui`); the program links it only when built with VELMORA_BUILD_GUI. It runs
// the whole program with the Qt windows and returns the exit code.
int runWindowFrontend(int argc, char** argv);

}  // namespace velmora
