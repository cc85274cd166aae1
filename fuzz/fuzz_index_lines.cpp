// Catalogue index files: any bytes must parse, and a usable key must survive a rewrite.
#include "model/Cp1250.h"
#include "model/TowerIndex.h"
#include "model/TowerRecord.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (const velt::IndexEntry& entry : velt::readIndex(in)) {
        // Only keys a tower record can hold are written back.
        if (!entry.complete || entry.offset < 0 || !velt::keyFitsIndex(entry.series, entry.type) ||
            velt::toCp1250(entry.series).size() > velt::kSeriesChars ||
            velt::toCp1250(entry.type).size() > velt::kTypeChars)
            continue;
        const std::string line = velt::formatIndexLine(entry.offset, entry.series, entry.type);
        std::istringstream again(line);
        const auto back = velt::readIndex(again);
        if (back.size() != 1 || back[0].offset != entry.offset ||
            velt::formatIndexLine(back[0].offset, back[0].series, back[0].type) != line)
            __builtin_trap();
    }
    return 0;
}
