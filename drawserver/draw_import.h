#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "engine/draw_csv.h"
#include "engine/draw_record.h"

namespace velmora::drawserver {

class DrawStore;

struct ImportReport {
    bool ok = false;        // false: nothing was stored; `error` says why
    std::string error;
    int imported = 0;
    std::vector<DrawCsvProblem> rejected;    // malformed rows
    std::vector<DrawCsvProblem> duplicates;  // rows whose period was already there
};

// Why a draw cannot be served as it stands, or none when it can: the tag must
// be a short single-line text without '"', '\' or '|', the period a number
// from 1 to 2147483647, the draw time "YYYY-MM-DD HH:MM:SS" and the numbers
// ten distinct two-digit car numbers from 01 to 10 joined by ",".
std::optional<std::string> drawProblem(const DrawRecord& draw);

// Loads the draws of a history CSV file into the store, all in one
// transaction. When the file brings draws newer than any stored one, the
// schedule goes on from `now` rather than filling the time since the last
// imported draw.
ImportReport importDraws(DrawStore& store, std::istream& in, std::int64_t now);

}  // namespace velmora::drawserver
