#include "shell/ui/demo/demo_program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "board/plan_box.h"
#include "shell/main_view.h"
#include "shell/platform.h"
#include "shell/splash_controller.h"
#include "shell/ui/windowed_app.h"

namespace velmora::ui {

namespace {

constexpr int kHistorySize = 50;
constexpr int kDrawIntervalSeconds = 75;
constexpr long long kFirstPeriod = 733371;

QString advertPage()
{
    const QString html = QStringLiteral(R"(<!doctype html><html><head><meta charset="utf-8"><style>
body{margin:0;font-family:"Microsoft YaHei","Noto Sans CJK SC",sans-serif;background:#f4f6fa;color:#243047;font-size:13px}
.hero{background:linear-gradient(160deg,#2a4a82,#16274b);color:#fff;padding:18px 14px 16px}
.hero h1{margin:0 0 4px;font-size:20px}.hero p{margin:0;color:#c3cee6;font-size:12px}
.card{background:#fff;margin:10px;border-radius:6px;padding:10px 12px;box-shadow:0 1px 3px rgba(20,35,70,.15)}
.card h2{font-size:14px;margin:0 0 6px;border-left:4px solid #d8392b;padding-left:6px}
.card p{margin:4px 0;line-height:1.6;color:#4a5670}
.cars{display:flex;gap:3px;margin-top:6px}.cars span{flex:1;height:18px;border-radius:3px;color:#fff;font-weight:bold;
font-size:11px;text-align:center;line-height:18px;text-shadow:0 0 2px #000}
a{color:#2f6bc4;text-decoration:none}.foot{text-align:center;color:#8a93a3;font-size:11px;margin:12px 0}
</style></head><body>
<div class="hero"><h1>Velmora 资讯</h1><p>PK10 开奖提醒与计划说明</p></div>
<div class="card"><h2>车号与颜色</h2><p>十辆赛车，十个名次，每期开出一组排名。</p>
<div class="cars"><span style="background:#f2d21b">1</span><span style="background:#1f7ae0">2</span>
<span style="background:#4a4f57">3</span><span style="background:#f47a1f">4</span><span style="background:#2cc4d8">5</span>
<span style="background:#6b3fd4">6</span><span style="background:#b9bec6">7</span><span style="background:#e0262d">8</span>
<span style="background:#7d1d24">9</span><span style="background:#2faa3c">10</span></div></div>
<div class="card"><h2>冠军单双</h2><p>预测冠军车号的单或双。每条计划在所选的公式期数（1 至 3 期）内有效，开出即为“中”，期满未中为“无”。</p></div>
<div class="card"><h2>使用方法</h2><p>在左侧选择公式期数后点“切换”；点“复制”把整份计划放到剪贴板；“清理计划”按最近 50 期重新生成。</p>
<p><a href="http://127.0.0.1:19200/help">查看完整帮助 &rsaquo;</a></p></div>
<div class="card"><h2>理性购彩</h2><p>计划只是随机生成的参考，不代表任何结果。请量力而行。</p></div>
<div class="foot">Velmora · 本页由服务器提供</div></body></html>)");
    return QStringLiteral("data:text/html;charset=utf-8;base64,") + QString::fromLatin1(html.toUtf8().toBase64());
}

std::string twoDigits(int value)
{
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

std::string countdownText(long long seconds)
{
    return twoDigits(static_cast<int>(seconds / 60)) + "：" + twoDigits(static_cast<int>(seconds % 60));
}

std::string rateText(int total, int hits)
{
    if (hits == 0)
        return "0";
    const double rate = std::floor(100.0 / (static_cast<double>(total) / hits) * 100 + 0.5 + 1e-12) / 100;
    return QString::number(rate, 'g', 13).toStdString();
}

}  // namespace

DemoProgram::DemoProgram(WindowParts& parts, Options options) : m_parts(parts), m_options(std::move(options)) {}

DemoProgram::Draw DemoProgram::makeDraw(long long period, const QDateTime& time)
{
    std::vector<int> cars(10);
    std::iota(cars.begin(), cars.end(), 1);
    std::shuffle(cars.begin(), cars.end(), m_random);
    std::string numbers;
    for (int car : cars)
        numbers += (numbers.empty() ? "" : ",") + twoDigits(car);
    return {std::to_string(period), time, numbers};
}

std::optional<int> DemoProgram::start()
{
    MainView& view = m_parts.view();
    m_parts.splash().show("正在连接服务器……");
    // Pretend to connect and load, letting the splash run meanwhile.
    QElapsedTimer loading;
    loading.start();
    while (loading.elapsed() < 1400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (m_options.pictureDirectory)
        savePicture("启动窗口", QStringLiteral("splash.png"));

    view.setTitle("Velmora");
    view.setPeriodsPanelColor(0xFFFFFF);
    view.clearHistoryRows();
    view.selectFormulaPeriodsIndex(m_periods - 1);
    m_parts.splash().close();
    view.openWebPage(advertPage().toStdString());

    const QDateTime now = QDateTime::currentDateTime();
    m_nextDraw = now.addSecs(207);
    for (int i = 0; i < kHistorySize; ++i) {
        const QDateTime time = m_nextDraw.addSecs(-static_cast<qint64>(kDrawIntervalSeconds) * (kHistorySize - i));
        m_draws.push_back(makeDraw(kFirstPeriod + i, time));
        view.addHistoryRow(m_draws.back().period, m_draws.back().numbers);
    }
    view.showCurrentDraw("当前期号：" + m_draws.back().period, m_draws.back().numbers);
    showPlan();
    onCountdownTick();
    view.setCountdownRunning(true);
    m_started = true;
    view.showAndActivate();

    if (m_options.pictureDirectory) {
        QTimer::singleShot(4000, qApp, [this] {
            savePicture("主窗口", QStringLiteral("main-window-preview.png"));
            QCoreApplication::exit(0);
        });
    }
    return std::nullopt;
}

void DemoProgram::onCountdownTick()
{
    if (m_tickCount < 2) {
        ++m_tickCount;
        return;
    }
    m_tickCount = 0;
    const long long remaining = QDateTime::currentDateTime().secsTo(m_nextDraw);
    if (remaining >= 0) {
        m_parts.view().setCountdownText(countdownText(remaining));
        return;
    }
    m_parts.view().setCountdownText("正在开奖……");
    if (remaining < -3)
        publishDraw();
}

void DemoProgram::publishDraw()
{
    m_draws.push_back(makeDraw(std::stoll(m_draws.back().period) + 1, m_nextDraw));
    m_nextDraw = m_nextDraw.addSecs(kDrawIntervalSeconds);
    const Draw& draw = m_draws.back();
    m_parts.view().showCurrentDraw("当前期号：" + draw.period, draw.numbers);
    showPlan();
    m_parts.view().addHistoryRow(draw.period, draw.numbers);
}

// Champion odd/even over the last draws: a line stays open for m_periods
// draws and closes at its first hit.
void DemoProgram::showPlan()
{
    std::mt19937 pick(static_cast<unsigned>(std::stoll(m_draws.front().period) * 31 + m_periods));
    const auto predict = [&pick] { return pick() % 2 == 0 ? std::string("单") : std::string("双"); };
    const auto periodText = [](long long p) { return std::to_string(p); };
    const auto rangeText = [&](long long first, long long last) {
        return m_periods == 1 ? periodText(first) + "期 " : periodText(first) + "→" + periodText(last) + "期 ";
    };

    std::string text;
    int total = 0;
    int hits = 0;
    int misses = 0;
    const std::size_t from = m_draws.size() > 30 ? m_draws.size() - 30 : 0;
    long long start = std::stoll(m_draws[from].period);
    std::string prediction = predict();
    for (std::size_t i = from; i < m_draws.size(); ++i) {
        const long long period = std::stoll(m_draws[i].period);
        const int champion = std::stoi(m_draws[i].numbers.substr(0, 2));
        const bool hit = (champion % 2 == 1) == (prediction == "单");
        const long long last = start + m_periods - 1;
        if (hit || period == last) {
            text += rangeText(start, last) + "冠军单双【" + prediction + "】 " + periodText(period) +
                    (hit ? "期→中" : "期→无") + "\r\n";
            ++total;
            (hit ? hits : misses) += 1;
            start = period + 1;
            prediction = predict();
        }
    }
    text += rangeText(start, start + m_periods - 1) + "冠军单双【" + prediction + "】 等开\r\n";
    ++total;
    text += "\r\n\r\n当前计划统计：总计" + std::to_string(total) + "期，中" + std::to_string(hits) + "期，挂" +
            std::to_string(misses) + "期，中奖率为" + rateText(total, hits) + "%\r\n彩票有风险，投注需谨慎！";

    PlanBox& box = m_parts.view().planBox();
    box.setText(text);
    box.moveCaretToEnd();
}

void DemoProgram::onPeriodsSwitch()
{
    const int periods = m_parts.view().readFormulaPeriods();
    if (periods == m_periods || periods < 1)
        return;
    m_periods = periods;
    showPlan();
}

void DemoProgram::onCopy()
{
    m_parts.clipboard().setText(m_parts.view().planText());
    m_parts.view().showCopyTip("已复制到剪辑版");
}

void DemoProgram::onClearPlans()
{
    showPlan();
    m_parts.dialogs().showMessage("清理成功！计划已经重新获取。");
}

bool DemoProgram::onWebNavigation(const std::string& url)
{
    if (!m_started)
        return true;
    m_parts.urlOpener().open(url);
    return false;
}

void DemoProgram::savePicture(const char* objectName, const QString& fileName)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QString::fromUtf8(objectName) && widget->isVisible()) {
            const QString path = QDir(*m_options.pictureDirectory).filePath(fileName);
            widget->grab().save(path);
            return;
        }
    }
}

}  // namespace velmora::ui
