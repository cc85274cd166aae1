// Zones of exposure levels along the calculation line: edges against the field itself.

#include "CalcFixtures.h"

#include "analysis/ExposureLimits.h"
#include "analysis/ExposureZone.h"
#include "analysis/ProfileField.h"
#include "calc/CalculationDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace velt::testing {
namespace {

// What the reference bisection and the zone must agree to [m].
constexpr double kEdgeAgreement = 0.01;

struct Calculated {
    std::unique_ptr<Bench> bench = std::make_unique<Bench>();
    std::optional<ProfileField> field;

    const FieldProfile& profile() const { return *bench->profile; }
    ExposureZone zoneOf(const ExposureLimit& limit) const {
        const auto zone = exposureZone(limit, profile(), [&](double s) { return field->at(s); });
        EXPECT_TRUE(zone);
        return zone.value_or(ExposureZone{});
    }
};

struct Setup {
    int tower = 2;
    double shift = 40.0;
    const char* range = "80";
    bool magnetic = false;
    bool vertical = false;
    bool building = false;
};

Calculated calculated(const Setup& s) {
    Calculated c;
    Bench& b = *c.bench;
    if (s.building) {
        b.project->buildingOn = true;
        b.form.buildingChecked = true;
        b.form.building = {"12", "6", "18", "8"};
    }
    setUpBuiltIn(b, s.tower);
    shiftTower(b, s.shift);
    b.form.currents = {"500", "500", true};
    b.form.fieldChoice = s.magnetic ? 1 : 0;
    b.form.lineChoice = s.vertical ? 1 : 0;
    b.form.lineDistance = "5";
    b.ui.rangeAnswers = {s.range};
    b.project->lineDataAccepted = true;
    PassContext ctx = b.context();
    EXPECT_EQ(calculate(ctx), CalculationOutcome::Done);
    c.field = ProfileField::of(*b.project, b.form, *b.profile);
    EXPECT_TRUE(c.field);
    return c;
}

ExposureLimit ownLimit(double level) {
    return {"", "Poziom własny", level, level};
}

// Every crossing of `level` in the computed range, found independently of the profile's
// samples: a scan every centimetre, each sign change bisected to a micrometre. Distances
// from the axis (heights on a vertical line).
std::vector<double> crossings(const Calculated& c, double level) {
    const FieldProfile& f = c.profile();
    const double* at = profilePositions(f);
    const double axis = f.resultLineKind ? 0.0 : f.resultAxisX;
    std::vector<double> found;
    const double first = at[1];
    const double last = at[f.profilePointCount];
    bool inside = c.field->at(first) >= level;
    for (double a = first; a < last;) {
        double b = std::min(a + 0.01, last);
        if ((c.field->at(b) >= level) != inside) {
            double lo = a;
            for (double hi = b; hi - lo > 1e-6;) {
                const double m = 0.5 * (lo + hi);
                ((c.field->at(m) >= level) == inside ? lo : hi) = m;
            }
            found.push_back(lo - axis);
            inside = !inside;
        }
        a = b;
    }
    return found;
}

// The zone's edges that are not the range's ends.
std::vector<double> innerEdges(const ExposureZone& z) {
    std::vector<double> edges;
    for (std::size_t i = 0; i < z.intervals.size(); ++i) {
        if (i > 0 || !z.openLeft) {
            edges.push_back(z.intervals[i].from);
        }
        if (i + 1 < z.intervals.size() || !z.openRight) {
            edges.push_back(z.intervals[i].to);
        }
    }
    return edges;
}

void expectEdgesOnTheField(const Calculated& c, const ExposureZone& z) {
    const std::vector<double> expected = crossings(c, z.profileLevel);
    const std::vector<double> edges = innerEdges(z);
    ASSERT_EQ(edges.size(), expected.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_NEAR(edges[i], expected[i], kEdgeAgreement) << i;
    }
}

double widthOf(const ExposureZone& z) {
    double w = 0.0;
    for (const ZoneInterval& i : z.intervals) {
        w += i.to - i.from;
    }
    return w;
}

TEST(ExposureZone, SymmetricLineHasEqualEdges) {
    const Calculated c = calculated({});
    const ExposureZone z = c.zoneOf(*findBuiltInLimit("pl-residential"));
    ASSERT_EQ(z.intervals.size(), 1u);
    EXPECT_NEAR(z.from, -z.to, 2 * kZoneEdgeTolerance);
    EXPECT_GT(z.to, 15.0);
    EXPECT_FALSE(z.openLeft || z.openRight);
    EXPECT_DOUBLE_EQ(z.width, z.to - z.from);
    EXPECT_EQ(z.limitKey, "pl-residential");
    EXPECT_EQ(z.level, 1.0);
    EXPECT_EQ(z.building, std::nullopt);
    expectEdgesOnTheField(c, z);
}

// Under an unshifted tower the profile keeps the half with the maximum; the zone covers both
// sides, as the first pass scanned them.
TEST(ExposureZone, UnshiftedTowerZoneCoversBothSides) {
    const Calculated shifted = calculated({});
    const Calculated c = calculated({.shift = 0.0, .range = "40"});
    const ExposureZone z = c.zoneOf(*findBuiltInLimit("pl-residential"));
    const ExposureZone reference = shifted.zoneOf(*findBuiltInLimit("pl-residential"));
    ASSERT_EQ(z.intervals.size(), 1u);
    EXPECT_NEAR(z.from, reference.from, kEdgeAgreement);
    EXPECT_NEAR(z.to, reference.to, kEdgeAgreement);
    EXPECT_NEAR(z.from, -z.to, 2 * kZoneEdgeTolerance);
}

TEST(ExposureZone, ShiftedAsymmetricTowerHasUnequalEdges) {
    const Calculated c = calculated({.tower = 0, .shift = 30.0});
    const ExposureZone z = c.zoneOf(ownLimit(0.3));
    ASSERT_EQ(z.intervals.size(), 1u);
    EXPECT_GT(std::fabs(z.from + z.to), 1.0);
    expectEdgesOnTheField(c, z);
}

// Under the double-circuit tower the field dips between the two circuits.
TEST(ExposureZone, DipOverTheAxisGivesTwoIntervals) {
    const Calculated c = calculated({});
    const ExposureZone z = c.zoneOf(ownLimit(5.3));
    ASSERT_EQ(z.intervals.size(), 2u);
    EXPECT_LT(z.intervals[0].to, 0.0);
    EXPECT_GT(z.intervals[1].from, 0.0);
    EXPECT_DOUBLE_EQ(z.width, widthOf(z));
    EXPECT_LT(z.width, z.to - z.from);
    expectEdgesOnTheField(c, z);
}

TEST(ExposureZone, NeverReached) {
    const Calculated c = calculated({});
    const ExposureZone z = c.zoneOf(*findBuiltInLimit("icnirp-2010-occupational"));
    EXPECT_TRUE(z.intervals.empty());
    EXPECT_EQ(z.width, 0.0);
    EXPECT_EQ(z.from, 0.0);
    EXPECT_EQ(z.to, 0.0);
    EXPECT_FALSE(z.openLeft || z.openRight);
}

// A magnetic profile along a horizontal line keeps its positions apart (resultPositionH). Its
// values are peak values, compared with a level (RMS) times sqrt 2.
TEST(ExposureZone, StillAboveAtTheRangesEnds) {
    const Calculated c = calculated({.magnetic = true});
    const ExposureZone z = c.zoneOf(ownLimit(0.7));
    ASSERT_EQ(z.intervals.size(), 1u);
    EXPECT_TRUE(z.openLeft && z.openRight);
    EXPECT_EQ(z.from, -40.0);
    EXPECT_EQ(z.to, 40.0);
    EXPECT_EQ(z.width, 80.0);
    const ExposureZone inner = c.zoneOf(ownLimit(1.6));
    ASSERT_EQ(inner.intervals.size(), 1u);
    EXPECT_DOUBLE_EQ(inner.profileLevel, 1.6 * std::sqrt(2.0));
    EXPECT_FALSE(inner.openLeft || inner.openRight);
    expectEdgesOnTheField(c, inner);
    const double axis = c.profile().resultAxisX;
    for (const double edge : innerEdges(inner)) {
        EXPECT_NEAR(c.field->at(edge + axis) / std::sqrt(2.0), 1.6, 1e-3);
    }
}

TEST(ExposureZone, VerticalLineGivesHeights) {
    const Calculated c = calculated({.tower = 1, .shift = 0.0, .range = "30", .vertical = true});
    const ExposureZone z = c.zoneOf(ownLimit(3.0));
    ASSERT_EQ(z.intervals.size(), 1u);
    EXPECT_LT(z.from, 12.0); // the conductors hang at 12 m
    EXPECT_GT(z.to, 12.0);
    EXPECT_EQ(z.building, std::nullopt);
    expectEdgesOnTheField(c, z);
}

// H52 25 m from the line's start, a grounded building 12..18 m right of its axis.
TEST(ExposureZone, BuildingInsideOrOutside) {
    const Calculated c = calculated({.tower = 1, .shift = 25.0, .range = "50", .building = true});
    const struct {
        double level;
        BuildingInZone expected;
    } cases[] = {{1.0, BuildingInZone::Outside},
                 {0.175, BuildingInZone::Partly},
                 {0.15, BuildingInZone::Whole}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.level);
        EXPECT_EQ(c.zoneOf(ownLimit(k.level)).building, k.expected);
    }
}

TEST(ExposureZone, OnlyTheCalculatedQuantity) {
    const Calculated c = calculated({.magnetic = true});
    const std::vector<ExposureZone> zones =
        exposureZones(builtInLimits(), c.profile(), [&](double s) { return c.field->at(s); });
    ASSERT_EQ(zones.size(), builtInLimits().size());
    for (std::size_t i = 0; i < zones.size(); ++i) {
        EXPECT_EQ(zones[i].level, builtInLimits()[i].magnetic);
        EXPECT_DOUBLE_EQ(zones[i].profileLevel, builtInLimits()[i].magnetic * std::sqrt(2.0));
    }
    FieldProfile onConductors = c.profile();
    onConductors.resultOnConductors = true;
    EXPECT_EQ(limitLevel(builtInLimits()[0], onConductors), std::nullopt);
    EXPECT_TRUE(exposureZones(builtInLimits(), onConductors, {}).empty());
}

} // namespace
} // namespace velt::testing
