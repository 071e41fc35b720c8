#include "drawserver/draw_import.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "base/text_value.h"
#include "drawserver/draw_publisher.h"
#include "drawserver/draw_store.h"
#include "drawserver/local_time.h"

namespace velmora::drawserver {
namespace {

constexpr std::size_t kMaxTagBytes = 32;

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = std::uint8_t(text[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = std::uint8_t(text[i + k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::optional<std::string> tagProblem(const std::string& tag)
{
    if (tag.empty()) {
        return "the tag is empty";
    }
    if (tag.size() > kMaxTagBytes) {
        return "the tag is longer than " + std::to_string(kMaxTagBytes) + " bytes";
    }
    for (char c : tag) {
        const auto b = std::uint8_t(c);
        if (b < 0x20 || b == 0x7F || c == '"' || c == '\\' || c == '|') {
            return "the tag \"" + tag + "\" holds a control character, '\"', '\\' or '|'";
        }
    }
    if (!isValidUtf8(tag)) {
        return "the tag is not valid UTF-8";
    }
    return std::nullopt;
}

std::optional<std::string> numbersProblem(const std::string& numbers)
{
    const std::string problem = "the numbers \"" + numbers
        + "\" are not ten distinct two-digit car numbers from 01 to 10 joined by \",\"";
    if (numbers.size() != 29) {
        return problem;
    }
    bool seen[11] = {};
    for (std::size_t i = 0; i < 10; ++i) {
        const std::size_t at = i * 3;
        if (i > 0 && numbers[at - 1] != ',') {
            return problem;
        }
        const char hi = numbers[at];
        const char lo = numbers[at + 1];
        if (hi < '0' || hi > '1' || lo < '0' || lo > '9') {
            return problem;
        }
        const int car = (hi - '0') * 10 + (lo - '0');
        if (car < 1 || car > 10 || seen[car]) {
            return problem;
        }
        seen[car] = true;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> drawProblem(const DrawRecord& draw)
{
    if (auto problem = tagProblem(draw.tag)) {
        return problem;
    }
    bool digits = !draw.period.empty() && draw.period.size() <= 10;
    for (char c : draw.period) {
        digits = digits && c >= '0' && c <= '9';
    }
    const std::int64_t period = digits ? integerValue(draw.period) : 0;
    if (!digits || period < 1 || period > kLastPeriod) {
        return "the period \"" + draw.period + "\" is not a number from 1 to " + numberText(kLastPeriod);
    }
    if (!parseLocalTime(draw.drawTime)) {
        return "the draw time \"" + draw.drawTime + "\" is not a date and time YYYY-MM-DD HH:MM:SS";
    }
    return numbersProblem(draw.numbers);
}

ImportReport importDraws(DrawStore& store, std::istream& in, std::int64_t now)
{
    ImportReport report;
    DrawCsvContent content = readDrawCsv(in);
    if (!content.headerOk) {
        report.error = content.problems.empty() ? "not a draw history file" : content.problems.front().message;
        return report;
    }
    report.rejected = std::move(content.problems);

    const auto latest = store.latest();
    if (!latest) {
        report.error = store.lastError();
        return report;
    }
    const std::int64_t latestPeriod = *latest ? (*latest)->period : 0;

    std::vector<StoredDraw> draws;
    std::set<std::int64_t> seen;
    std::int64_t newestImported = 0;
    for (const DrawCsvRow& row : content.rows) {
        if (auto problem = drawProblem(row.draw)) {
            report.rejected.push_back({row.line, *problem});
            continue;
        }
        StoredDraw stored;
        stored.draw = row.draw;
        stored.period = integerValue(row.draw.period);
        stored.draw.period = numberText(stored.period);
        stored.drawAt = parseLocalTime(row.draw.drawTime);
        const auto storedAlready = store.contains(stored.period);
        if (!storedAlready) {
            report.error = store.lastError();
            return report;
        }
        if (*storedAlready || !seen.insert(stored.period).second) {
            report.duplicates.push_back(
                {row.line, "period " + stored.draw.period + " is already stored; row skipped"});
            continue;
        }
        newestImported = std::max(newestImported, stored.period);
        draws.push_back(std::move(stored));
    }
    std::sort(report.rejected.begin(), report.rejected.end(),
              [](const DrawCsvProblem& a, const DrawCsvProblem& b) { return a.line < b.line; });

    if (!draws.empty()) {
        std::optional<std::int64_t> resumeAt;
        if (newestImported > latestPeriod) {
            resumeAt = now;
        }
        if (!store.insert(draws, DrawOrigin::Import, resumeAt)) {
            report.error = store.lastError();
            return report;
        }
    }
    report.imported = int(draws.size());
    report.ok = true;
    return report;
}

}  // namespace velmora::drawserver
