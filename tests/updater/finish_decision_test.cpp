#include "updater/finish_decision.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(FinishDecision, ReplacesOnlyACompleteFileOfTheProbedLength)
{
    const struct {
        DownloadState state;
        std::int64_t downloaded;
        std::int64_t probed;
        FinishDecision decision;
    } cases[] = {
        {DownloadState::Succeeded, 1000, 1000, FinishDecision::Finish},
        {DownloadState::Succeeded, 999, 1000, FinishDecision::Fail},
        {DownloadState::Succeeded, 1001, 1000, FinishDecision::Fail},
        {DownloadState::Succeeded, -1, 1000, FinishDecision::Fail},
        {DownloadState::Succeeded, 0, 0, FinishDecision::Fail},
        {DownloadState::Failed, 1000, 1000, FinishDecision::Fail},
        {DownloadState::Failed, 10, 1000, FinishDecision::Fail},
        {DownloadState::Running, 1000, 1000, FinishDecision::Wait},
        {DownloadState::Stopped, 1000, 1000, FinishDecision::Wait},
        {DownloadState::Idle, 0, 1000, FinishDecision::Wait},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decideFinish(c.state, c.downloaded, c.probed), c.decision)
            << static_cast<int>(c.state) << " " << c.downloaded << "/" << c.probed;
    }
}

}  // namespace
}  // namespace velmora
