#include "cli/ExtrasJson.h"

#include "model/DecimalText.h"

namespace velt {
namespace {

using json = nlohmann::json;

const char* roleOf(const BundleGradientRow& row) {
    if (row.line != kMainLine) {
        return "neighbour";
    }
    switch (row.role) {
    case ConductorRole::Ground:
        return "ground";
    case ConductorRole::Shield:
        return "shield";
    case ConductorRole::Working:
        break;
    }
    return "phase";
}

json phaseOf(const BundleGradientRow& row) {
    static const char* const names[] = {"R", "S", "T"};
    return row.phase >= 1 && row.phase <= 3 ? json(names[row.phase - 1]) : json(nullptr);
}

json surfaceJson(const SurfaceExtras& s) {
    json bundles = json::array();
    for (const BundleGradientRow& row : s.bundles) {
        json bundle = {{"x", row.x},          {"y", row.y},
                       {"role", roleOf(row)}, {"phase", phaseOf(row)},
                       {"line", row.line},    {"gradient", row.gradient}};
        if (row.onsetRatio) {
            bundle["onsetRatio"] = *row.onsetRatio;
        }
        bundles.push_back(bundle);
    }
    return bundles;
}

const char* buildingJson(BuildingInZone b) {
    return b == BuildingInZone::Outside ? "outside"
           : b == BuildingInZone::Whole ? "whole"
                                        : "partly";
}

json zoneJson(const ExposureZone& z, bool magnetic) {
    json intervals = json::array();
    for (const ZoneInterval& i : z.intervals) {
        intervals.push_back({i.from, i.to});
    }
    const bool empty = z.intervals.empty();
    json zone = {{"limit", z.limitKey.empty() ? z.limitName : z.limitKey},
                 {"quantity", magnetic ? "H" : "E"},
                 {"level", z.level},
                 {"intervals", intervals},
                 {"from", empty ? json(nullptr) : json(z.from)},
                 {"to", empty ? json(nullptr) : json(z.to)},
                 {"width", z.width},
                 {"openLeft", z.openLeft},
                 {"openRight", z.openRight},
                 {"buildingInside",
                  z.building ? json(*z.building != BuildingInZone::Outside) : json(nullptr)}};
    if (z.building) {
        zone["building"] = buildingJson(*z.building);
    }
    return zone;
}

json positionsJson(const std::vector<std::pair<double, double>>& conductors, double axis) {
    json list = json::array();
    for (const auto& [x, y] : conductors) {
        list.push_back({x - axis, y});
    }
    return list;
}

std::string number(double value) {
    return formatNumber("%.17g", value);
}

} // namespace

void addExtrasToJson(json& out, const FieldProfile& f, const CalculationExtras& e) {
    if (e.surface.computed) {
        const SurfaceExtras& s = e.surface;
        out["surfaceMethod"] = s.method == SurfaceMethod::Accurate ? "accurate" : "specified";
        out["maxSurfaceGradientAccurate"] = s.accurateGradient;
        out["bundleGradients"] = surfaceJson(s);
        out["corona"] = {{"onset", s.coronaOnset},
                         {"surfaceFactor", s.surfaceFactor},
                         {"airDensity", s.airDensity}};
    }
    if (!e.limits.empty() && !f.resultOnConductors) {
        json zones = json::array();
        for (const ExposureZone& z : e.zones) {
            zones.push_back(zoneJson(z, f.resultFieldKind));
        }
        out["zones"] = zones;
    }
    if (!e.neighbours.empty()) {
        json lines = json::array();
        for (const NeighbourDrawing& n : e.neighbours) {
            lines.push_back({{"line", n.line},
                             {"label", n.label},
                             {"working", positionsJson(n.working, f.resultAxisX)},
                             {"ground", positionsJson(n.ground, f.resultAxisX)}});
        }
        out["neighbours"] = lines;
    }
    if (e.magneticUnit == MagneticUnit::Microtesla) {
        out["magneticUnit"] = "uT";
    }
}

void writeZonesCsv(std::ostream& out, const FieldProfile& f, const CalculationExtras& e) {
    const char* unit = f.resultFieldKind ? "A/m" : "kV/m";
    out << "limit,quantity,level(" << unit
        << "),from(m),to(m),width(m),openLeft,openRight,buildingInside,intervals\n";
    for (const ExposureZone& z : e.zones) {
        const bool empty = z.intervals.empty();
        std::string intervals;
        for (const ZoneInterval& i : z.intervals) {
            intervals.append(intervals.empty() ? "" : ";")
                .append(number(i.from))
                .append(":")
                .append(number(i.to));
        }
        std::string name = z.limitKey.empty() ? z.limitName : z.limitKey;
        if (name.find_first_of(",\"\n") != std::string::npos) {
            std::string quoted = "\"";
            for (const char c : name) {
                quoted.append(c == '"' ? "\"\"" : std::string(1, c));
            }
            name = quoted + "\"";
        }
        out << name << ',' << (f.resultFieldKind ? "H" : "E") << ',' << number(z.level) << ','
            << (empty ? "" : number(z.from)) << ',' << (empty ? "" : number(z.to)) << ','
            << number(z.width) << ',' << (z.openLeft ? "true" : "false") << ','
            << (z.openRight ? "true" : "false") << ','
            << (z.building ? (*z.building != BuildingInZone::Outside ? "true" : "false") : "")
            << ',' << intervals << '\n';
    }
}

} // namespace velt
