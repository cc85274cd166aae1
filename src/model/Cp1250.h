#pragma once
// Windows-1250 is the code page of every text file the program reads or writes.

#include <string>
#include <string_view>

namespace velt {

/// UTF-8 to Windows-1250; a character without a Windows-1250 form becomes '?'.
std::string toCp1250(std::string_view utf8);

/// Windows-1250 to UTF-8; the five unassigned bytes become U+FFFD.
std::string fromCp1250(std::string_view cp1250);

/// Turns "\n" into "\r\n" (text mode of the program's files).
std::string toCrLf(std::string_view text);

} // namespace velt
