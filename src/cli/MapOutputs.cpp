#include "cli/MapOutputs.h"

#include "analysis/FieldMap.h"
#include "cli/GraphPicture.h"
#include "model/DecimalText.h"
#include "model/FileReplacement.h"
#include "results/FieldMapCsv.h"
#include "results/Report.h"

#include <sstream>
#include <vector>

namespace velt {
namespace {

std::vector<std::string> partsOf(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream list(text);
    for (std::string part; std::getline(list, part, ',');) {
        parts.push_back(part);
    }
    return parts;
}

bool isNumber(const std::string& text) {
    std::size_t used = 0;
    try {
        (void)std::stod(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

} // namespace

std::string checkMapGridOption(const std::string& text) {
    const std::vector<std::string> parts = partsOf(text);
    if (parts.size() < 2 || parts.size() > 3) {
        return "XSTEP,YSTEP or XSTEP,YSTEP,TOP in metres is expected";
    }
    for (const std::string& part : parts) {
        if (!isNumber(part)) {
            return "\"" + part + "\" is not a number";
        }
    }
    return {};
}

std::variant<FieldMapGrid, std::string> mapGridOf(const MapOptions& options,
                                                  const LineProject& project,
                                                  const LineDataForm& form, double range) {
    FieldMapRequest request;
    request.range = range;
    const std::vector<std::string> parts = partsOf(options.grid);
    if (parts.size() >= 2) {
        request.stepX = readDecimal(parts[0]);
        request.stepY = readDecimal(parts[1]);
    }
    if (parts.size() == 3) {
        request.top = readDecimal(parts[2]);
    }
    return fieldMapGrid(project, form, request);
}

bool writeMapOutputs(const MapOptions& options, const FieldMapGrid& grid,
                     const LineProject& project, const LineDataForm& form, std::ostream& out,
                     std::ostream& err) {
    const auto map = computeFieldMap(project, form, grid);
    if (!map) {
        err << "velt-calc: the field map cannot be computed for this line\n";
        return false;
    }
    if (!options.csv.empty()) {
        std::ostringstream table;
        writeFieldMapCsv(table, *map, form.options.magneticUnit);
        if (!replaceFile(options.csv, table.str())) {
            err << kCannotCreateFileMessage << options.csv << '\n';
            return false;
        }
        out << options.csv << '\n';
    }
    const std::pair<const std::string&, GraphFormat> pictures[] = {
        {options.png, GraphFormat::Png},
        {options.svg, GraphFormat::Svg},
        {options.pdf, GraphFormat::Pdf},
    };
    for (const auto& [file, format] : pictures) {
        if (!file.empty() && !writeMapPicture(file, format, *map, form.options, out, err)) {
            return false;
        }
    }
    return true;
}

} // namespace velt
