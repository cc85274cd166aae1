#include "results/FieldMapCsv.h"

#include "analysis/MagneticUnits.h"

#include <charconv>
#include <string>

namespace velt {
namespace {

const char* unitOf(const FieldMap& map, MagneticUnit unit) {
    if (!map.magnetic) {
        return "kV/m";
    }
    return unit == MagneticUnit::Microtesla ? "uT" : "A/m";
}

// Whatever the process locale: to_chars knows only the point.
void append(std::string& line, double v) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v == 0.0 ? 0.0 : v).ptr;
    line.append(buffer, end);
}

} // namespace

void writeFieldMapCsv(std::ostream& out, const FieldMap& map, MagneticUnit unit) {
    out << "x(m),y(m),value(" << unitOf(map, unit) << ")\n";
    const FieldMapGrid& g = map.grid;
    std::string line;
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            line.clear();
            append(line, g.x(column));
            line += ',';
            append(line, g.y(row));
            line += ',';
            const double v = map.at(column, row);
            if (FieldMap::hasValue(v)) {
                append(line, map.magnetic ? inMagneticUnit(v, unit) : v);
            }
            line += '\n';
            out << line;
        }
    }
}

} // namespace velt
