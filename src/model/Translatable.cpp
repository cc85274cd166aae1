#include "model/Translatable.h"

#include <utility>

namespace velt {

std::string filledIn(std::string pattern, const std::vector<std::string>& values) {
    // From the last mark down, so that %1 does not take the front of %10.
    for (std::size_t n = values.size(); n > 0; --n) {
        const std::string mark = "%" + std::to_string(n);
        const std::size_t at = pattern.find(mark);
        if (at != std::string::npos) {
            pattern.replace(at, mark.size(), values[n - 1]);
        }
    }
    return pattern;
}

std::string filledIn(std::string pattern, std::initializer_list<std::string> values) {
    return filledIn(std::move(pattern), std::vector<std::string>(values));
}

} // namespace velt
