#pragma once
// Texts of the core that the desktop program shows: marked for the translation tools, kept
// as they are here. The desktop program looks each one up in the context "velt".

#include <initializer_list>
#include <string>
#include <vector>

/// The text itself; the translation tools collect it under `context`.
#define VELT_TRANSLATE_NOOP(context, text) text

namespace velt {

/// `pattern` with %1, %2, ... replaced by `values` in order, so that a translation may move
/// the numbers.
std::string filledIn(std::string pattern, const std::vector<std::string>& values);
std::string filledIn(std::string pattern, std::initializer_list<std::string> values);

} // namespace velt
