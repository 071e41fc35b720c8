#include "shell/embedded_updater.h"

#ifdef VELMORA_EMBED_UPDATER
// Defined by the generated assembly that includes the built updater's bytes.
extern "C" const unsigned char velmora_updater_begin[];
extern "C" const unsigned char velmora_updater_end[];
#endif

namespace velmora {

std::span<const unsigned char> embeddedUpdater()
{
#ifdef VELMORA_EMBED_UPDATER
    return {velmora_updater_begin, velmora_updater_end};
#else
    return {};
#endif
}

}  // namespace velmora
