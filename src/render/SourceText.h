#pragma once
// The program's own texts: Polish source texts that a translator gives in the user's
// language, with the numbers filled in after translation.

#include "model/Translatable.h"

#include <string>

namespace velt {

/// Gives the translation of one of the program's source texts (Polish, context "velt"); a
/// text it does not know comes back as it is.
using SourceTranslator = std::string (*)(const char* source);

/// The source text itself.
std::string untranslated(const char* source);

/// A composed text (a message with numbers, quoted names or a "prefix: " before a known
/// text) in the translator's language: the whole text if known, else each line; a line
/// with numbers or quoted names as its pattern ("Linia %1"), else its parts around the
/// first ": ". What is not known stays as it is (a file name).
std::string translatedText(const std::string& text, SourceTranslator translate);

} // namespace velt
