#pragma once

#include <cstdint>

#include "updater/file_download.h"

namespace velmora {

enum class FinishDecision {
    Wait,    // the transfer is still going (or paused)
    Finish,  // the download is complete: replace the program and start it
    Fail,    // the download broke off or is not the announced file: keep the program
};

// The program is replaced only when the transfer reports success and the
// downloaded file holds exactly the probed length.
FinishDecision decideFinish(DownloadState state, std::int64_t downloadedLength, std::int64_t probedLength);

}  // namespace velmora
