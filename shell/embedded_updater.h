#pragma once

#include <span>

namespace velmora {

// The velmora-updater program built with this one, carried as its bytes;
// empty in a build without the windows (there is no updater then).
std::span<const unsigned char> embeddedUpdater();

}  // namespace velmora
