#include "analysis/ExposureZone.h"

#include "analysis/ExposureLimits.h"

#include <algorithm>
#include <cmath>

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

// The field sampled along the zone's line, from the tower axis.
struct Samples {
    std::vector<double> at;
    std::vector<double> value;
};

Samples samplesOf(const ZoneLine& line, const LineField& field) {
    Samples s;
    const int n =
        line.step > 0.0 ? static_cast<int>(std::lround((line.to - line.from) / line.step)) : 0;
    for (int i = 0; i <= n; ++i) {
        const double p = i == n ? line.to : line.from + i * line.step;
        s.at.push_back(p);
        s.value.push_back(field(p + line.axis));
    }
    return s;
}

// Intervals from the tower axis, from the samples and the field between them.
std::vector<ZoneInterval> intervalsOf(const Samples& s, const ZoneLine& line,
                                      const LineField& field, double level) {
    std::vector<ZoneInterval> out;
    const LineField fromAxis = [&](double p) { return field(p + line.axis); };
    double start = 0.0;
    const std::size_t n = s.at.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool in = s.value[i] >= level;
        const bool wasIn = i > 0 && s.value[i - 1] >= level;
        if (in && !wasIn) {
            start = i == 0 ? s.at[0] : crossing(fromAxis, level, s.at[i - 1], s.at[i], false);
        } else if (!in && wasIn) {
            out.push_back({start, crossing(fromAxis, level, s.at[i - 1], s.at[i], true)});
        }
    }
    if (n > 0 && s.value[n - 1] >= level) {
        out.push_back({start, s.at[n - 1]});
    }
    return out;
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

std::optional<ExposureZone> zoneOf(const ExposureLimit& limit, const FieldProfile& f,
                                   const ZoneLine& line, const Samples& samples,
                                   const LineField& field) {
    const auto level = limitLevel(limit, f);
    if (!level) {
        return std::nullopt;
    }
    ExposureZone z;
    z.limitKey = limit.key;
    z.limitName = limit.name;
    z.level = *level;
    z.profileLevel = profileLevelOf(*level, f);
    z.intervals = intervalsOf(samples, line, field, z.profileLevel);
    for (const ZoneInterval& i : z.intervals) {
        z.width += i.to - i.from;
    }
    if (!z.intervals.empty()) {
        z.from = z.intervals.front().from;
        z.to = z.intervals.back().to;
        z.openLeft = samples.value.front() >= z.profileLevel;
        z.openRight = samples.value.back() >= z.profileLevel;
    }
    z.building = buildingIn(f, z.intervals);
    return z;
}

} // namespace

const double* profilePositions(const FieldProfile& f) {
    return f.resultFieldKind && !f.resultLineKind ? f.resultPositionH : f.resultPosition;
}

ZoneLine zoneLineOf(const FieldProfile& f) {
    const int n = f.profilePointCount;
    if (n < 1) {
        return {};
    }
    if (f.resultLineKind) {
        return {f.resultPosition[1], f.resultPosition[n], f.resultStep, 0.0};
    }
    if (!f.resultTowerShifted) {
        // Both sides of the axis, the range on each, at the second pass's finer step.
        return {-f.resultEnteredRange, f.resultEnteredRange, f.resultStep, f.resultAxisX};
    }
    const double* at = profilePositions(f);
    return {at[1] - f.resultAxisX, at[n] - f.resultAxisX, f.resultStep, f.resultAxisX};
}

std::optional<double> limitLevel(const ExposureLimit& limit, const FieldProfile& f) {
    if (f.resultOnConductors) {
        return std::nullopt;
    }
    return f.resultFieldKind ? limit.magnetic : limit.electric;
}

double profileLevelOf(double level, const FieldProfile& f) {
    // The rule of the maps' contours too (fieldLevel).
    return fieldLevel({"", "", level, level}, f.resultFieldKind);
}

std::optional<ExposureZone> exposureZone(const ExposureLimit& limit, const FieldProfile& f,
                                         const LineField& field) {
    const ZoneLine line = zoneLineOf(f);
    return zoneOf(limit, f, line, samplesOf(line, field), field);
}

std::vector<ExposureZone> exposureZones(const std::vector<ExposureLimit>& limits,
                                        const FieldProfile& profile, const LineField& field) {
    std::vector<ExposureZone> zones;
    if (profile.resultOnConductors) {
        return zones;
    }
    // One sampling serves every limit.
    const ZoneLine line = zoneLineOf(profile);
    const Samples samples = samplesOf(line, field);
    for (const ExposureLimit& limit : limits) {
        if (auto zone = zoneOf(limit, profile, line, samples, field)) {
            zones.push_back(std::move(*zone));
        }
    }
    return zones;
}

} // namespace velt
