#pragma once

#include <istream>
#include <string>
#include <vector>

#include "engine/draw_record.h"

namespace velmora {

// Draw history files: UTF-8, RFC 4180 CSV with the header line
// "tag,period,draw_time,numbers,seed_base" and one draw per row.

struct DrawCsvRow {
    int line = 0;  // line where the record starts, counted from 1
    DrawRecord draw;
};

struct DrawCsvProblem {
    int line = 0;
    std::string message;
};

struct DrawCsvContent {
    std::vector<DrawCsvRow> rows;          // rows that were read, in file order
    std::vector<DrawCsvProblem> problems;  // rows that were rejected
    bool headerOk = false;                 // false: nothing else was read
};

inline constexpr const char* kDrawCsvHeader = "tag,period,draw_time,numbers,seed_base";

// Reads every record. A missing or wrong header is reported as a problem on
// line 1 with headerOk false. A record with the wrong number of fields, a
// period that is not a decimal number or a seed base that is not a decimal
// 32-bit integer is rejected with its line number; the others are kept.
DrawCsvContent readDrawCsv(std::istream& in);

// One CSV record (without the line end) for a draw, quoting where needed.
std::string drawCsvRecord(const DrawRecord& draw);

}  // namespace velmora
