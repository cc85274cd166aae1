#pragma once
// A refused value of a calculation's options, named by its key in the project file.

#include <string>

namespace velt {

struct KeyedRefusal {
    std::string key; ///< as `neighbours[2].voltage` or `limits[1].name` (0-based)
    std::string message;
};

} // namespace velt
