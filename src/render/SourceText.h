#pragma once
// The texts a picture's layout writes are source texts (Polish); whoever paints it gives
// them in the user's language.

#include <string>

namespace velt {

/// Gives the translation of one of the picture's source texts (Polish, context "velt").
using SourceTranslator = std::string (*)(const char* source);

/// The source text itself.
inline std::string untranslated(const char* source) {
    return source;
}

} // namespace velt
