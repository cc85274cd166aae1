#pragma once
// The pictures' own texts: Polish source texts that the painter's translator gives in the
// user's language, with the numbers filled in after translation.

#include <initializer_list>
#include <string>

namespace velt {

/// Gives the translation of one of the picture's source texts (Polish, context "velt").
using SourceTranslator = std::string (*)(const char* source);

/// The source text itself.
std::string untranslated(const char* source);

/// `pattern` with %1, %2, ... replaced by `values` in order, so that a translation may move
/// the numbers.
std::string filledIn(std::string pattern, std::initializer_list<std::string> values);

} // namespace velt
