// velmora-sample-history: writes a made-up draw history as CSV, for trying the
// backtest and for tests. The same options always give the same file, on any
// platform: the Mersenne Twister's output is fixed by the standard, and the
// shuffle below uses it directly.

#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "engine/draw_csv.h"
#include "engine/draw_numbers.h"
#include "engine/draw_record.h"

namespace {

using namespace velmora;

constexpr const char* kProgram = "velmora-sample-history";

const char* const kUsage =
    "usage: velmora-sample-history [--count N] [--first-period P] [--start \"YYYY-MM-DD HH:MM:SS\"]\n"
    "                              [--seed S] [--output FILE]\n"
    "\n"
    "Writes N consecutive draws (default 300) from period P (default 1130001),\n"
    "five minutes apart from the start time (default 2026-12-01 09:00:00): each\n"
    "a random order of the ten cars with a non-zero seed base. S (default\n"
    "20261211) seeds the generator. Without --output the CSV goes to standard\n"
    "output.\n";

struct Options {
    std::uint64_t count = 300;
    std::uint64_t firstPeriod = 1130001;
    std::string start = "2026-12-01 09:00:00";
    std::uint64_t seed = 20261211;
    std::string output;
};

bool parseWhole(const std::string& text, std::uint64_t& value)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::stoull(text);
    return true;
}

bool parseTime(const std::string& text, std::chrono::sys_seconds& time)
{
    int year = 0;
    unsigned month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%u-%u %u:%u:%u%c", &year, &month, &day, &hour, &minute, &second, &tail) != 6) {
        return false;
    }
    const std::chrono::year_month_day date {std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    time = std::chrono::sys_days(date) + std::chrono::hours(hour) + std::chrono::minutes(minute)
        + std::chrono::seconds(second);
    return true;
}

std::string timeText(std::chrono::sys_seconds time)
{
    const auto days = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date(days);
    const std::chrono::hh_mm_ss clock(time - days);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()), unsigned(date.month()),
        unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
        int(clock.seconds().count()));
    return buffer;
}

int fail(const std::string& message)
{
    std::cerr << kProgram << ": " << message << " (see --help)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= argc) {
            if (arg.starts_with("--")) {
                return fail(arg + " needs a value");
            }
            return fail("unexpected argument \"" + arg + "\"");
        }
        const std::string value = argv[++i];
        bool ok = true;
        if (arg == "--count") {
            ok = parseWhole(value, options.count) && options.count <= 1000000;
        } else if (arg == "--first-period") {
            ok = parseWhole(value, options.firstPeriod);
        } else if (arg == "--start") {
            options.start = value;
        } else if (arg == "--seed") {
            ok = parseWhole(value, options.seed);
        } else if (arg == "--output") {
            options.output = value;
        } else {
            return fail("unknown option \"" + arg + "\"");
        }
        if (!ok) {
            return fail("bad value \"" + value + "\" for " + arg);
        }
    }
    std::chrono::sys_seconds time;
    if (!parseTime(options.start, time)) {
        return fail("bad start time \"" + options.start + "\"");
    }

    std::ofstream file;
    if (!options.output.empty()) {
        file.open(options.output, std::ios::binary);
        if (!file) {
            std::cerr << kProgram << ": " << options.output << ": cannot write\n";
            return 2;
        }
    }
    std::ostream& out = options.output.empty() ? std::cout : file;

    std::mt19937 generator(static_cast<std::mt19937::result_type>(options.seed));
    out << kDrawCsvHeader << "\n";
    for (std::uint64_t i = 0; i < options.count; ++i) {
        int cars[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        for (int k = 9; k > 0; --k) {
            std::swap(cars[k], cars[generator() % static_cast<unsigned>(k + 1)]);
        }
        DrawRecord draw;
        draw.tag = "PK10";
        draw.period = std::to_string(options.firstPeriod + i);
        draw.drawTime = timeText(time + std::chrono::minutes(5 * i));
        draw.numbers = drawNumbersText(cars);
        draw.seedBase = static_cast<std::int32_t>(generator() % 2147483647u) + 1;
        out << drawCsvRecord(draw) << "\n";
    }
    out.flush();
    if (!out) {
        std::cerr << kProgram << ": writing failed\n";
        return 2;
    }
    return 0;
}
