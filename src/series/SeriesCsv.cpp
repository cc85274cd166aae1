#include "series/SeriesCsv.h"

#include "model/DecimalText.h"

namespace velt {
namespace {

// A text cell, quoted when it holds a separator, a quote or a line end.
std::string textCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string numberCell(double value) {
    return formatNumber("%.17g", value);
}

std::string valueCell(const SeriesValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        return numberCell(*number);
    }
    return textCell(std::get<std::string>(value));
}

void writeHeader(std::ostream& out, const SeriesPlan& plan) {
    for (const Variation& variation : plan.variations) {
        out << textCell(variation.key.name) << ',';
    }
    out << "max,maxPosition";
    for (const ExposureLimit& limit : plan.limits) {
        const std::string zone = "zone:" + zoneColumnKey(limit) + ':';
        out << ',' << textCell(zone + "from") << ',' << textCell(zone + "to") << ','
            << textCell(zone + "width");
    }
    out << ",refused\n";
}

void writeZone(std::ostream& out, const std::optional<ExposureZone>& zone) {
    if (!zone || zone->intervals.empty()) {
        out << ",,,";
        return;
    }
    out << ',' << numberCell(zone->from) << ',' << numberCell(zone->to) << ','
        << numberCell(zone->width);
}

void writeRow(std::ostream& out, const SeriesRow& row, std::size_t limits) {
    for (const KeyValue& value : row.values) {
        out << valueCell(value.value) << ',';
    }
    if (row.state == RowState::Computed) {
        out << numberCell(row.max) << ',' << (row.maxPosition ? numberCell(*row.maxPosition) : "");
    } else {
        out << ',';
    }
    for (std::size_t i = 0; i < limits; ++i) {
        writeZone(out, i < row.zones.size() ? row.zones[i] : std::nullopt);
    }
    out << ',' << textCell(row.refused) << '\n';
}

} // namespace

std::string zoneColumnKey(const ExposureLimit& limit) {
    return limit.key.empty() ? limit.name : limit.key;
}

void writeSeriesCsv(std::ostream& out, const SeriesPlan& plan, const std::vector<SeriesRow>& rows) {
    writeHeader(out, plan);
    for (const SeriesRow& row : rows) {
        writeRow(out, row, plan.limits.size());
    }
}

} // namespace velt
