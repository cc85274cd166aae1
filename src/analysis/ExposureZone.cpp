#include "analysis/ExposureZone.h"

#include "analysis/ExposureLimits.h"

#include <algorithm>

namespace velt {
namespace {

// Where between positions a (whose side is `inAtA`) and b the field crosses `level`.
double crossing(const LineField& field, double level, double a, double b, bool inAtA) {
    for (int step = 0; step < 64 && b - a > kZoneEdgeTolerance; ++step) {
        const double m = 0.5 * (a + b);
        if ((field(m) >= level) == inAtA) {
            a = m;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

// Intervals in the profile's positions, from its samples and the field between them.
std::vector<ZoneInterval> intervalsOf(const FieldProfile& f, const LineField& field, double level) {
    std::vector<ZoneInterval> out;
    const double* at = profilePositions(f);
    double start = 0.0;
    for (int i = 1; i <= f.profilePointCount; ++i) {
        const bool in = f.resultValue[i] >= level;
        const bool wasIn = i > 1 && f.resultValue[i - 1] >= level;
        if (in && !wasIn) {
            start = i == 1 ? at[1] : crossing(field, level, at[i - 1], at[i], false);
        } else if (!in && wasIn) {
            out.push_back({start, crossing(field, level, at[i - 1], at[i], true)});
        }
    }
    const int n = f.profilePointCount;
    if (n > 0 && f.resultValue[n] >= level) {
        out.push_back({start, at[n]});
    }
    return out;
}

// Positions of a horizontal line are counted from its start; zones from the tower axis.
double axisOf(const FieldProfile& f) {
    return f.resultLineKind ? 0.0 : f.resultAxisX;
}

std::optional<BuildingInZone> buildingIn(const FieldProfile& f,
                                         const std::vector<ZoneInterval>& zone) {
    if (f.resultLineKind || !f.resultBuildingPresent) {
        return std::nullopt;
    }
    // The building was taken with the tower shift, which is 0 for an unshifted tower.
    const double shift = f.resultTowerShifted ? f.resultAxisX : 0.0;
    const double lo = std::min(f.resultBuildingX1, f.resultBuildingX2) - shift;
    const double hi = std::max(f.resultBuildingX1, f.resultBuildingX2) - shift;
    BuildingInZone found = BuildingInZone::Outside;
    for (const ZoneInterval& z : zone) {
        if (z.from <= lo && hi <= z.to) {
            return BuildingInZone::Whole;
        }
        if (z.from <= hi && lo <= z.to) {
            found = BuildingInZone::Partly;
        }
    }
    return found;
}

} // namespace

const double* profilePositions(const FieldProfile& f) {
    return f.resultFieldKind && !f.resultLineKind ? f.resultPositionH : f.resultPosition;
}

std::optional<double> limitLevel(const ExposureLimit& limit, const FieldProfile& f) {
    if (f.resultOnConductors) {
        return std::nullopt;
    }
    return fieldLevel(limit, f.resultFieldKind);
}

std::optional<ExposureZone> exposureZone(const ExposureLimit& limit, const FieldProfile& f,
                                         const LineField& field) {
    const auto level = limitLevel(limit, f);
    if (!level) {
        return std::nullopt;
    }
    ExposureZone z;
    z.limitKey = limit.key;
    z.limitName = limit.name;
    z.level = *level;
    z.intervals = intervalsOf(f, field, *level);
    const double axis = axisOf(f);
    for (ZoneInterval& i : z.intervals) {
        i.from -= axis;
        i.to -= axis;
        z.width += i.to - i.from;
    }
    if (!z.intervals.empty()) {
        const int n = f.profilePointCount;
        z.from = z.intervals.front().from;
        z.to = z.intervals.back().to;
        z.openLeft = f.resultValue[1] >= *level;
        z.openRight = f.resultValue[n] >= *level;
    }
    z.building = buildingIn(f, z.intervals);
    return z;
}

std::vector<ExposureZone> exposureZones(const std::vector<ExposureLimit>& limits,
                                        const FieldProfile& profile, const LineField& field) {
    std::vector<ExposureZone> zones;
    for (const ExposureLimit& limit : limits) {
        if (auto zone = exposureZone(limit, profile, field)) {
            zones.push_back(std::move(*zone));
        }
    }
    return zones;
}

} // namespace velt
