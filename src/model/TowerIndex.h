#pragma once
// The text index of a tower catalogue: one line "[offset]<series>{type}" per tower.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velt {

/// Lines are read with a 256-byte buffer: at most this many characters before the line end;
/// a longer line comes in pieces, each taken as a line.
inline constexpr std::size_t kLineChars = 254;

/// The lines of a text file as the program reads them (CR LF or LF ends removed, long lines
/// in pieces, empty lines kept). Texts stay in Windows-1250.
std::vector<std::string> readTextLines(std::istream& in);

/// Leading and trailing blanks (spaces and control characters) removed.
std::string trimmed(std::string_view text);

struct IndexEntry {
    std::int64_t offset = 0; ///< -1 when the offset cannot be a byte position
    std::string series;      ///< UTF-8, trimmed
    std::string type;        ///< UTF-8, trimmed
    bool complete = false;   ///< all three bracket pairs present; only such a line names a tower
};

/// One index line (Windows-1250, without its line end).
IndexEntry parseIndexLine(std::string_view line);

/// The line "[%ld]<%s>{%s}\n" in Windows-1250 with CR LF; series and type given in UTF-8.
std::string formatIndexLine(std::int64_t offset, const std::string& series,
                            const std::string& type);

/// The entries of the non-empty lines of an index, in file order.
std::vector<IndexEntry> readIndex(std::istream& in);

/// False for a key that an index line could not give back: empty after trimming, blanks at
/// either end, control characters, ">{}" in the series or "}" in the type.
bool keyFitsIndex(const std::string& series, const std::string& type);

} // namespace velt
