#include "model/TowerIndex.h"

#include "model/Cp1250.h"

#include <iterator>
#include <limits>

namespace velt {
namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// Text between the first `open` and the first `close`; false when either is missing or
// the closing one comes first.
bool bracketed(std::string_view line, char open, char close, std::string_view& inside) {
    const auto from = line.find(open);
    const auto to = line.find(close);
    if (from == std::string_view::npos || to == std::string_view::npos || to < from)
        return false;
    inside = line.substr(from + 1, to - from - 1);
    return true;
}

// Leading decimal digits with an optional sign, none giving 0; -1 for what no byte
// position can be (a negative or oversized number).
std::int64_t offsetOf(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        if (value > (std::numeric_limits<std::int64_t>::max() - 9) / 10)
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    if (negative && digits && value != 0)
        return -1;
    return value;
}

} // namespace

std::vector<std::string> readTextLines(std::istream& in) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    std::string piece;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Text mode: CR LF reads as one line end.
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n') {
            lines.push_back(piece);
            piece.clear();
            open = false;
            continue;
        }
        piece.push_back(text[i]);
        open = true;
        if (piece.size() == kLineChars + 1) {
            lines.push_back(piece);
            piece.clear();
            open = false;
        }
    }
    if (open)
        lines.push_back(piece);
    return lines;
}

std::string trimmed(std::string_view text) {
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return std::string(text.substr(from, to - from));
}

IndexEntry parseIndexLine(std::string_view line) {
    IndexEntry entry;
    std::string_view offset;
    std::string_view series;
    std::string_view type;
    const bool hasOffset = bracketed(line, '[', ']', offset);
    const bool hasSeries = bracketed(line, '<', '>', series);
    const bool hasType = bracketed(line, '{', '}', type);
    if (hasOffset)
        entry.offset = offsetOf(trimmed(offset));
    if (hasSeries)
        entry.series = fromCp1250(trimmed(series));
    if (hasType)
        entry.type = fromCp1250(trimmed(type));
    entry.complete = hasOffset && hasSeries && hasType;
    return entry;
}

std::string formatIndexLine(std::int64_t offset, const std::string& series,
                            const std::string& type) {
    // Appended piece by piece: GCC 12 reports false overlaps (-Wrestrict) in "text" + std::string.
    std::string line = "[";
    line.append(std::to_string(offset)).append("]<").append(toCp1250(series));
    line.append(">{").append(toCp1250(type)).append("}\n");
    return toCrLf(line);
}

std::vector<IndexEntry> readIndex(std::istream& in) {
    std::vector<IndexEntry> entries;
    for (const std::string& line : readTextLines(in)) {
        if (!line.empty())
            entries.push_back(parseIndexLine(line));
    }
    return entries;
}

bool keyFitsIndex(const std::string& series, const std::string& type) {
    for (const std::string* text : {&series, &type}) {
        if (text->empty() || isBlank(text->front()) || isBlank(text->back()))
            return false;
        for (const char c : *text) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                return false;
        }
    }
    return series.find_first_of(">{}") == std::string::npos && type.find('}') == std::string::npos;
}

} // namespace velt
