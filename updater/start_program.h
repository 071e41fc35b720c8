#pragma once

#include <string>

namespace velmora {

// Starts a program file without parameters and without waiting for it, in a
// session of its own so that it outlives the updater. The path goes straight
// to the system's process creation, never through a shell. False when the
// program could not be started.
bool startProgram(const std::string& programPath);

}  // namespace velmora
