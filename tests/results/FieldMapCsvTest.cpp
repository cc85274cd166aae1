#include "results/FieldMapCsv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <sstream>

namespace velt {
namespace {

// Three columns from 10 m left of the axis, two rows; the middle of the ground row inside
// a conductor.
FieldMap smallMap(bool magnetic) {
    FieldMap map;
    map.grid = {-10.0, 2.5, 3, 0.5, 2};
    map.magnetic = magnetic;
    map.values = {1.25, std::nan(""), 0.1, 3.0, 1.0 / 3.0, 20.0};
    return map;
}

std::string csvOf(const FieldMap& map, MagneticUnit unit) {
    std::ostringstream out;
    writeFieldMapCsv(out, map, unit);
    return out.str();
}

TEST(FieldMapCsv, OneRowAPointXFastest) {
    const std::string rows = "-10,0,1.25\n"
                             "-7.5,0,\n"
                             "-5,0,0.1\n"
                             "-10,0.5,3\n"
                             "-7.5,0.5,0.3333333333333333\n"
                             "-5,0.5,20\n";
    const struct {
        bool magnetic;
        MagneticUnit unit;
        std::string header;
    } cases[] = {
        {false, MagneticUnit::Microtesla, "x(m),y(m),value(kV/m)\n"},
        {true, MagneticUnit::AmperesPerMetre, "x(m),y(m),value(A/m)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        EXPECT_EQ(csvOf(smallMap(c.magnetic), c.unit), c.header + rows);
    }
}

TEST(FieldMapCsv, MagneticFieldInMicrotesla) {
    std::istringstream in(csvOf(smallMap(true), MagneticUnit::Microtesla));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "x(m),y(m),value(uT)");
    std::getline(in, line);
    EXPECT_EQ(line.substr(0, 6), "-10,0,");
    // 1.25 A/m is pi / 2 uT.
    EXPECT_DOUBLE_EQ(std::stod(line.substr(6)), 1.5707963267948966);
    std::getline(in, line);
    EXPECT_EQ(line, "-7.5,0,");
}

TEST(FieldMapCsv, PointWhateverTheLocale) {
    const FieldMap map = smallMap(false);
    const std::string classic = csvOf(map, MagneticUnit::AmperesPerMetre);
    if (std::setlocale(LC_ALL, "pl_PL.UTF-8") == nullptr) {
        GTEST_SKIP() << "pl_PL.UTF-8 is not installed (scripts/setup generates it)";
    }
    const std::locale previous = std::locale::global(std::locale("pl_PL.UTF-8"));
    const std::string polish = csvOf(map, MagneticUnit::AmperesPerMetre);
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(polish, classic);
}

} // namespace
} // namespace velt
