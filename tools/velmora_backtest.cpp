// velmora-backtest: replays a draw history file through one plan and prints
// the text the plan box would hold after a rebuild.

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_value.h"
#include "board/plan_board.h"
#include "board/plan_box.h"
#include "board/plan_manager.h"
#include "engine/draw_csv.h"
#include "engine/draw_numbers.h"
#include "engine/message_sink.h"
#include "engine/plan_catalogue.h"

namespace {

using namespace velmora;

constexpr const char* kProgram = "velmora-backtest";
constexpr int kExitError = 2;

const char* const kUsage =
    "usage: velmora-backtest [--plan NAME] [--periods N] [--window N] HISTORY.csv\n"
    "\n"
    "Replays a draw history through one plan and prints the plan text with its\n"
    "statistics, exactly as the plan box shows it after a rebuild.\n"
    "\n"
    "  --plan NAME    plan name (default 冠军单双), such as 冠军大小, 5号单双,\n"
    "                 冠亚和值单双, 冠军3胆, 3号车位置, 前2名5*5注, 前5独胆\n"
    "  --periods N    periods of each prediction window, 1 to 10 (default 3)\n"
    "  --window N     replay the N newest draws (default 50); 0 replays all\n"
    "\n"
    "HISTORY.csv: UTF-8 CSV with the header tag,period,draw_time,numbers,seed_base.\n";

class ErrorSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { std::cerr << kProgram << ": " << text << '\n'; }
};

class CapturedPlanBox : public PlanBox {
public:
    void setText(const std::string& value) override { text = value; }
    void moveCaretToEnd() override { }
    void processPendingEvents() override { }

    std::string text;
};

struct Options {
    std::string plan = "冠军单双";
    int periods = 3;
    std::uint64_t window = kReplayWindow;
    std::string historyPath;
    bool help = false;
};

int usageError(const std::string& message)
{
    std::cerr << kProgram << ": " << message << " (see --help)\n";
    return kExitError;
}

bool parseWhole(const std::string& text, std::uint64_t& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// 0 when the options are usable, otherwise the exit status after the message.
int parseOptions(int argc, char** argv, Options& options)
{
    bool seenHistory = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (seenHistory) {
                return usageError("only one history file may be given, found \"" + options.historyPath + "\" and \""
                    + arg + "\"");
            }
            options.historyPath = arg;
            seenHistory = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return 0;
        }
        std::string name = arg;
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (name != "--plan" && name != "--periods" && name != "--window") {
            return usageError("unknown option \"" + name + "\"");
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                return usageError(name + " needs a value");
            }
            value = argv[++i];
        }
        if (name == "--plan") {
            options.plan = value;
        } else if (name == "--periods") {
            std::uint64_t periods = 0;
            if (!parseWhole(value, periods) || periods < 1 || periods > 10) {
                return usageError("--periods must be a whole number from 1 to 10, not \"" + value + "\"");
            }
            options.periods = static_cast<int>(periods);
        } else {
            if (!parseWhole(value, options.window)) {
                return usageError("--window must be a whole number of draws (0 replays all), not \"" + value + "\"");
            }
        }
    }
    if (!seenHistory) {
        return usageError("no history file given");
    }
    return 0;
}

bool readWholeFile(const std::string& path, std::string& content, std::string& reason)
{
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        reason = "it is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        reason = "read error";
        return false;
    }
    content = buffer.str();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (const int status = parseOptions(argc, argv, options)) {
        return status;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }

    ErrorSink sink;
    PlanCatalogue catalogue(sink);
    PlanBoard board(catalogue);
    if (!board.addPlanByName(options.plan, options.plan, options.periods)) {
        return usageError("unknown plan name \"" + options.plan + "\"");
    }

    const std::string& path = options.historyPath;
    std::string content;
    std::string reason;
    if (!readWholeFile(path, content, reason)) {
        std::cerr << path << ": cannot read the history file: " << reason << '\n';
        return kExitError;
    }
    std::istringstream in(content);
    const DrawCsvContent csv = readDrawCsv(in);
    for (const DrawCsvProblem& problem : csv.problems) {
        std::cerr << path << ':' << problem.line << ": " << problem.message << '\n';
    }
    if (!csv.problems.empty()) {
        return kExitError;
    }

    // Oldest first by period value, then reversed into the program's order,
    // newest first. Rows of one period keep their file order.
    std::vector<DrawCsvRow> rows = csv.rows;
    std::stable_sort(rows.begin(), rows.end(), [](const DrawCsvRow& a, const DrawCsvRow& b) {
        return integerValue(a.draw.period) < integerValue(b.draw.period);
    });
    std::vector<DrawRecord> history;
    history.reserve(rows.size());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        history.push_back(it->draw);
    }

    const std::size_t window = options.window == 0 || options.window > history.size()
        ? history.size()
        : static_cast<std::size_t>(options.window);
    // The board passes over these draws; say so, but they still count in the window.
    for (std::size_t k = window; k > 0; --k) {
        const DrawCsvRow& row = rows[rows.size() - k];
        DrawNumbers numbers;
        if (!splitDrawNumbers(row.draw.numbers, numbers)) {
            std::cerr << path << ':' << row.line << ": note: period " << row.draw.period << ": numbers \""
                      << row.draw.numbers << "\" do not split into ten entries; the draw is skipped\n";
        } else if (row.draw.seedBase == 0) {
            std::cerr << path << ':' << row.line << ": note: period " << row.draw.period
                      << ": seed base 0; the draw is skipped\n";
        }
    }

    CapturedPlanBox box;
    PlanManager manager(board, history, window);
    manager.bind(box, options.plan);
    manager.rebuild(options.periods);
    std::cout << box.text << std::flush;
    return std::cout ? 0 : kExitError;
}
