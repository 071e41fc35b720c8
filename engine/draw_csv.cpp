#include "engine/draw_csv.h"

#include <cstdint>
#include <limits>

#include "base/text_value.h"

namespace velmora {
namespace {

// Reads one record; false at the end of the input. `lines` counts the line
// ends consumed, quoted line ends included.
bool readRecord(std::istream& in, std::vector<std::string>& fields, int& lines, bool& badQuote)
{
    fields.clear();
    badQuote = false;
    std::string field;
    bool quoted = false;
    bool afterQuote = false;
    bool any = false;
    char c = 0;
    while (in.get(c)) {
        any = true;
        if (quoted) {
            if (c == '"') {
                if (in.peek() == '"') {
                    in.get(c);
                    field.push_back('"');
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n') {
                    ++lines;
                }
                field.push_back(c);
            }
            continue;
        }
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            afterQuote = false;
        } else if (c == '\n') {
            ++lines;
            fields.push_back(std::move(field));
            return true;
        } else if (c == '\r') {
            if (in.peek() != '\n') {
                field.push_back(c);
            }
        } else if (c == '"' && field.empty() && !afterQuote) {
            quoted = true;
        } else {
            if (afterQuote || c == '"') {
                badQuote = true;
            }
            field.push_back(c);
        }
    }
    if (quoted) {
        badQuote = true;
    }
    if (!any) {
        return false;
    }
    fields.push_back(std::move(field));
    return true;
}

bool isDigits(const std::string& text, bool allowSign)
{
    std::size_t i = 0;
    if (allowSign && !text.empty() && (text[0] == '-' || text[0] == '+')) {
        i = 1;
    }
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

std::string quoted(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

}  // namespace

DrawCsvContent readDrawCsv(std::istream& in)
{
    DrawCsvContent content;
    std::vector<std::string> fields;
    int lines = 0;
    bool badQuote = false;

    // Skip a UTF-8 byte-order mark.
    if (in.peek() == 0xEF) {
        char bom[3];
        in.read(bom, 3);
        if (!(in.gcount() == 3 && bom[1] == char(0xBB) && bom[2] == char(0xBF))) {
            in.clear();
            in.seekg(0);
        }
    }

    if (!readRecord(in, fields, lines, badQuote)) {
        content.problems.push_back({1, "the file is empty; expected the header line \"" + std::string(kDrawCsvHeader) + "\""});
        return content;
    }
    const std::vector<std::string> header = {"tag", "period", "draw_time", "numbers", "seed_base"};
    if (fields != header) {
        content.problems.push_back({1, "wrong header; expected \"" + std::string(kDrawCsvHeader) + "\""});
        return content;
    }
    content.headerOk = true;

    for (;;) {
        const int line = lines + 1;
        if (!readRecord(in, fields, lines, badQuote)) {
            break;
        }
        if (fields.size() == 1 && fields[0].empty()) {
            continue;  // blank line
        }
        if (badQuote) {
            content.problems.push_back({line, "badly quoted field"});
            continue;
        }
        if (fields.size() != 5) {
            content.problems.push_back(
                {line, "expected 5 fields, found " + std::to_string(fields.size())});
            continue;
        }
        if (!isDigits(fields[1], false)) {
            content.problems.push_back({line, "period \"" + fields[1] + "\" is not a number"});
            continue;
        }
        const std::int64_t seed = integerValue(fields[4]);
        if (!isDigits(fields[4], true) || seed < std::numeric_limits<std::int32_t>::min()
            || seed > std::numeric_limits<std::int32_t>::max()) {
            content.problems.push_back({line, "seed base \"" + fields[4] + "\" is not a 32-bit integer"});
            continue;
        }
        DrawCsvRow row;
        row.line = line;
        row.draw.tag = fields[0];
        row.draw.period = fields[1];
        row.draw.drawTime = fields[2];
        row.draw.numbers = fields[3];
        row.draw.seedBase = static_cast<std::int32_t>(seed);
        content.rows.push_back(std::move(row));
    }
    return content;
}

std::string drawCsvRecord(const DrawRecord& draw)
{
    return quoted(draw.tag) + ',' + quoted(draw.period) + ',' + quoted(draw.drawTime) + ',' + quoted(draw.numbers)
        + ',' + std::to_string(draw.seedBase);
}

}  // namespace velmora
