#include "model/Translatable.h"

namespace velt {

std::string filledIn(std::string pattern, std::initializer_list<std::string> values) {
    int n = 0;
    for (const std::string& value : values) {
        const std::string mark = "%" + std::to_string(++n);
        const std::size_t at = pattern.find(mark);
        if (at != std::string::npos) {
            pattern.replace(at, mark.size(), value);
        }
    }
    return pattern;
}

} // namespace velt
