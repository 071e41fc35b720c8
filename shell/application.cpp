#include "shell/application.h"

#include <utility>

#include "base/text_value.h"
#include "shell/app_context.h"
#include "shell/app_settings.h"
#include "shell/main_view.h"
#include "shell/plan_service.h"
#include "shell/platform.h"
#include "shell/splash_controller.h"
#include "shell/update_handoff.h"

namespace velmora {

namespace {

constexpr const char* kPeriodsKey = "公式期数";
constexpr int kDefaultPeriods = 3;

bool validPeriods(std::int64_t periods)
{
    return periods >= 1 && periods <= 3;
}

bool isWebAddress(const std::string& url)
{
    const auto startsWith = [&url](std::string_view prefix) {
        if (url.size() < prefix.size()) {
            return false;
        }
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            char c = url[i];
            if (c >= 'A' && c <= 'Z') {
                c = char(c - 'A' + 'a');
            }
            if (c != prefix[i]) {
                return false;
            }
        }
        return true;
    };
    return startsWith("http://") || startsWith("https://");
}

}  // namespace

Application::Application(const Frontend& frontend, AppEnvironment environment)
    : Application(frontend, std::move(environment), AppIdentity::thisBuild())
{
}

Application::Application(const Frontend& frontend, AppEnvironment environment, const AppIdentity& identity)
    : m_context(std::make_unique<AppContext>(frontend, std::move(environment), identity))
{
}

Application::~Application() = default;

const AppContext& Application::context() const
{
    return *m_context;
}

std::optional<int> Application::start()
{
    AppContext& context = *m_context;
    MainView& view = context.mainView;

    context.updaterPath = context.environment.programFile.parent_path() / utf8Path(updaterFileName());
    removeStaleUpdater(context.updaterPath);

    context.settingsPath = settingsFileIn(context.environment.workingDirectory);
    markSettingsFileHidden(context.settingsPath);
    const AppSettings settings(context.settingsPath, context.identity.softwareName);
    std::int64_t stored = integerValue(settings.read(kPeriodsKey, std::to_string(kDefaultPeriods)));
    // Anything but 1, 2 or 3 would leave the list without a choice and the
    // plans with no periods at all.
    if (!validPeriods(stored)) {
        stored = kDefaultPeriods;
    }
    view.selectFormulaPeriodsIndex(int(stored) - 1);
    context.formulaPeriods = view.formulaPeriodsIndex() + 1;
    if (!validPeriods(context.formulaPeriods)) {
        context.formulaPeriods = int(stored);
    }

    context.splash.show("正在连接服务器……");
    view.setTitle(context.identity.softwareName);
    view.setPeriodsPanelColor(0xFFFFFF);
    view.clearHistoryRows();

    if (!context.startupSequence.runConnectStep(context) || !context.startupSequence.runLoadStep(context)) {
        view.destroyWindow();
        return 0;
    }
    view.setCountdownRunning(true);
    context.startupComplete = true;
    context.splash.close();
    view.showAndActivate();
    return std::nullopt;
}

void Application::onCountdownTick()
{
    if (m_tickCount < 2) {
        ++m_tickCount;
        return;
    }
    m_tickCount = 0;

    AppContext& context = *m_context;
    MainView& view = context.mainView;
    const std::string countdown = context.drawClock.countdownText();
    if (!countdown.empty()) {
        view.setCountdownText(countdown);
        return;
    }
    view.setCountdownText("正在开奖……");
    view.processPendingEvents();
    if (!context.drawClock.pollNewDraw(context.latestDraw)) {
        return;
    }
    // Pending events may run another tick; work on this draw's own copy.
    const DrawRecord draw = context.latestDraw.current;
    view.showCurrentDraw("当前期号：" + draw.period, draw.numbers);
    view.processPendingEvents();
    // The newest draw may already be in the history when the poll at start-up
    // found nothing; it is applied and listed once only.
    if (!context.drawHistory.empty() && context.drawHistory.front().period == draw.period) {
        return;
    }
    context.planManager->onNewDraw(draw);
    context.drawHistory.insert(context.drawHistory.begin(), draw);
    view.addHistoryRow(draw.period, draw.numbers);
}

void Application::onPeriodsSwitch()
{
    AppContext& context = *m_context;
    const int periods = context.mainView.readFormulaPeriods();
    if (periods == context.formulaPeriods || !validPeriods(periods)) {
        return;
    }
    context.formulaPeriods = periods;
    AppSettings(context.settingsPath, context.identity.softwareName).write(kPeriodsKey, std::to_string(periods));
    context.planManager->rebuild(context.formulaPeriods);
}

void Application::onCopy()
{
    AppContext& context = *m_context;
    context.frontend.clipboard.setText(context.mainView.planText());
    context.mainView.showCopyTip("已复制到剪辑版");
}

void Application::onClearPlans()
{
    AppContext& context = *m_context;
    context.planManager->rebuild(context.formulaPeriods);
    context.frontend.dialogs.showMessage("清理成功！计划已经重新获取。");
}

bool Application::onWebNavigation(const std::string& url)
{
    AppContext& context = *m_context;
    if (!context.startupComplete) {
        return true;
    }
    // Only web addresses leave the pane; anything else (file:, javascript:,
    // custom schemes) is dropped.
    if (isWebAddress(url)) {
        context.frontend.urlOpener.open(url);
    }
    return false;
}

}  // namespace velmora
