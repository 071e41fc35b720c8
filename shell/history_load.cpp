#include "shell/history_load.h"

#include "shell/app_context.h"
#include "shell/main_view.h"
#include "shell/plan_service.h"
#include "shell/platform.h"

namespace velmora {

namespace {
constexpr int kHistoryCount = 50;
}

bool loadHistoryAtStart(AppContext& context)
{
    MainView& view = context.mainView;
    view.processPendingEvents();
    view.openWebPage(context.appInfo.advert1);
    view.processPendingEvents();

    LatestDraws firstPoll;
    context.drawClock.pollNewDraw(firstPoll);

    context.serverClient->loadRecentDraws(context.frontend.dialogs, kHistoryCount, context.drawHistory);
    if (context.drawHistory.empty()) {
        context.frontend.dialogs.showMessage("获取网络开奖数据失败！");
        return false;
    }
    view.showCurrentDraw("当前期号：" + firstPoll.current.period, firstPoll.current.numbers);
    for (auto record = context.drawHistory.rbegin(); record != context.drawHistory.rend(); ++record) {
        view.addHistoryRow(record->period, record->numbers);
    }
    context.planManager->rebuild(context.formulaPeriods);
    return true;
}

}  // namespace velmora
