#pragma once
// The one reader of every number a user types, and the general number format.

#include <string>
#include <string_view>

namespace velt {

/// Reads the longest leading decimal number ([+-]digits[.digits][e[+-]digits], leading
/// blanks skipped) of a text the user typed; the separator is a point or a comma ("12,5" is
/// 12.5). Empty or non-numeric text, and numbers that do not fit a double ("1e999"), read
/// as 0. Never yields NaN or infinity. File formats read their numbers themselves.
double readDecimal(std::string_view text);

/// Reads a leading whole number ([+-]digits); anything else, or a value outside the
/// range of int, reads as 0.
int readWholeNumber(std::string_view text);

/// The general number format of the dialogs: 0.0 shows as "0", 2.5 as "2.5".
std::string formatGeneral(double value);

/// printf-style formatting of one value, always with a point as separator, whatever the
/// process locale.
std::string formatNumber(const char* format, double value);

} // namespace velt
