#include "updater/finish_decision.h"

namespace velmora {

FinishDecision decideFinish(DownloadState state, std::int64_t downloadedLength, std::int64_t probedLength)
{
    switch (state) {
    case DownloadState::Succeeded:
        return probedLength > 0 && downloadedLength == probedLength ? FinishDecision::Finish : FinishDecision::Fail;
    case DownloadState::Failed:
        return FinishDecision::Fail;
    case DownloadState::Idle:
    case DownloadState::Running:
    case DownloadState::Stopped:
        break;
    }
    return FinishDecision::Wait;
}

}  // namespace velmora
