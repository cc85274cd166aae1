#pragma once
// Reads a written report back line by line and checks every line against its format.

#include <optional>
#include <string>
#include <vector>

namespace velt::testing {

struct ParsedReport {
    std::string problem; ///< the first line that breaks its format; empty when none does
    bool comment = false;
    unsigned lpr = 0, lpo = 0, lpe = 0;
    bool onConductors = false;
    bool magnetic = false;
    bool vertical = false;
    bool interference = false;
    bool twoCurrents = false;
    std::optional<double> axis;            ///< "Oś słupa"
    std::vector<std::vector<double>> rows; ///< the table, as printed
};

/// `bytes`: the report file as written (Windows-1250, CR LF).
ParsedReport parseReport(const std::string& bytes);

} // namespace velt::testing
