// The field over the whole cross-section: the profile's own values along its line, the
// closed form of one conductor, symmetry, points without a value, any number of threads.

#include "CalcFixtures.h"

#include "analysis/ExposureZone.h"
#include "analysis/FieldMap.h"
#include "calc/CalculationDriver.h"
#include "calc/FieldConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace velt::testing {
namespace {

FieldMapGrid gridOf(const Bench& b, const FieldMapRequest& request) {
    const auto grid = fieldMapGrid(*b.project, b.form, request);
    EXPECT_TRUE(std::holds_alternative<FieldMapGrid>(grid));
    return std::get<FieldMapGrid>(grid);
}

FieldMap mapOf(const Bench& b, const FieldMapRequest& request, int threads = 0) {
    const auto map = computeFieldMap(*b.project, b.form, gridOf(b, request), threads);
    EXPECT_TRUE(map);
    return map.value_or(FieldMap{});
}

struct ProfileCase {
    const char* name;
    int tower;
    double shift;
    bool magnetic;
    bool vertical;
    bool building;
    bool neighbour;
};

const ProfileCase kProfileCases[] = {
    {"ShiftedElectricBesideALine", 2, 30.0, false, false, false, true},
    {"ShiftedMagneticBesideALine", 2, 30.0, true, false, false, true},
    {"UnshiftedElectricWithBuilding", 1, 0.0, false, false, true, false},
    {"UnshiftedMagnetic", 0, 0.0, true, false, false, false},
    {"VerticalElectric", 1, 0.0, false, true, false, false},
};

std::unique_ptr<Bench> calculated(const ProfileCase& c) {
    auto b = std::make_unique<Bench>();
    if (c.building) {
        b->project->buildingOn = true;
        b->form.buildingChecked = true;
        b->form.building = {"12", "6", "18", "8"};
    }
    setUpBuiltIn(*b, c.tower);
    shiftTower(*b, c.shift);
    b->form.currents = {"500", "400", true};
    b->form.fieldChoice = c.magnetic ? 1 : 0;
    b->form.lineChoice = c.vertical ? 1 : 0;
    b->form.lineDistance = "6";
    if (c.neighbour) {
        b->form.options.neighbours = {builtInNeighbour(1, -40.0)};
    }
    b->ui.rangeAnswers = {"60"};
    b->project->lineDataAccepted = true;
    PassContext ctx = b->context();
    EXPECT_EQ(calculate(ctx), CalculationOutcome::Done);
    return b;
}

// The map's point of profile point k: along a horizontal line a column of the row at the
// line's height (2 m), along a vertical line a row of the column at its distance (6 m).
struct GridPoint {
    int column;
    int row;
};

GridPoint pointOf(const FieldMapGrid& g, bool vertical, int k, double along) {
    if (vertical) {
        return {static_cast<int>(std::lround((6.0 - g.left) / g.stepX)), k - 1};
    }
    return {static_cast<int>(std::lround((along - g.left) / g.stepX)), 4};
}

TEST(FieldMap, GivesTheProfileAlongItsLine) {
    for (const ProfileCase& c : kProfileCases) {
        SCOPED_TRACE(c.name);
        const auto b = calculated(c);
        const FieldProfile& f = *b->profile;
        const double* at = profilePositions(f);
        const double step = f.resultStep;
        const FieldMap map =
            mapOf(*b, c.vertical ? FieldMapRequest{60.0, at[f.profilePointCount], 0.5, step}
                                 : FieldMapRequest{60.0, std::nullopt, step, 0.5});
        const double axis = c.vertical ? 0.0 : f.resultAxisX;
        int compared = 0;
        for (int k = 1; k <= f.profilePointCount; ++k) {
            const double along = at[k] - axis;
            const GridPoint p = pointOf(map.grid, c.vertical, k, along);
            ASSERT_NEAR(c.vertical ? map.grid.y(p.row) : map.grid.x(p.column), along, 1e-9);
            const double value = map.at(p.column, p.row);
            if (c.building && !FieldMap::hasValue(value)) {
                EXPECT_TRUE(map.scene.building->covers(along, 2.0)) << k;
                continue;
            }
            EXPECT_NEAR(value, f.resultValue[k], 1e-9 * f.resultValue[k]) << k;
            ++compared;
        }
        EXPECT_GT(compared, 180);
    }
}

// Z52 with both circuits in the order R, S, T from the bottom: the right circuit is the
// left one's mirror image, and so is the field.
TEST(FieldMap, MirrorsASymmetricTower) {
    for (const bool magnetic : {false, true}) {
        SCOPED_TRACE(magnetic);
        Bench b;
        setUpBuiltIn(b, 2);
        b.form.currents = {"500", "500", true};
        b.form.fieldChoice = magnetic ? 1 : 0;
        const FieldMap map = mapOf(b, {.range = 40.0});
        const FieldMapGrid& g = map.grid;
        ASSERT_EQ(g.columns % 2, 1);
        for (int row = 0; row < g.rows; ++row) {
            for (int column = 0; column < g.columns / 2; ++column) {
                const double left = map.at(column, row);
                const double right = map.at(g.columns - 1 - column, row);
                ASSERT_EQ(FieldMap::hasValue(left), FieldMap::hasValue(right));
                if (FieldMap::hasValue(left)) {
                    ASSERT_NEAR(left, right, 1e-9 * left) << column << ' ' << row;
                }
            }
        }
    }
}

// One conductor at (0, 10) of 1 cm radius, 100 kV peak or 500 A: its line charge and image,
// or its current alone, at points around it.
TEST(FieldMap, SingleConductorAgainstTheClosedForm) {
    const double r = 0.01, h = 10.0, peak = 100.0, current = 500.0;
    Bench b;
    setUpSingleConductor(b, r, h, peak);
    b.form.currents.firstCircuit = "500";
    const FieldMap electric = mapOf(b, {10.0, 20.0, 0.5, 0.25});
    b.form.fieldChoice = 1;
    const FieldMap magnetic = mapOf(b, {10.0, 20.0, 0.5, 0.25});
    const struct {
        int column, row;
    } points[] = {{20, 0}, {20, 8}, {0, 0}, {5, 60}, {33, 44}, {40, 80}, {19, 40}};
    for (const auto& p : points) {
        const double x = electric.grid.x(p.column), y = electric.grid.y(p.row);
        SCOPED_TRACE(::testing::Message() << x << ", " << y);
        const double d2 = x * x + (y - h) * (y - h);
        const double i2 = x * x + (y + h) * (y + h);
        // |(P - C) / d^2 - (P - C') / i^2| for the charge at C and its image at C'.
        const double ex = x / d2 - x / i2;
        const double ey = (y - h) / d2 - (y + h) / i2;
        const double e = peak / std::log(2 * h / r) * std::hypot(ex, ey) / std::sqrt(2.0);
        EXPECT_NEAR(electric.at(p.column, p.row), e, 1e-9 * e);
        const double hField = current / (2 * kPi * std::sqrt(d2));
        EXPECT_NEAR(magnetic.at(p.column, p.row), hField, 1e-9 * hField);
    }
}

// Z52 with bundles of four (equivalent radius 0.195 m) from 14 m up, ground wires at 45 m,
// shield wires of 1 cm radius at 9 m and the building from (30, 9) to (38, 12).
TEST(FieldMap, NoValueInsideConductorsAndTheBuilding) {
    Bench b;
    setUpLargest(b);
    const FieldMap map = mapOf(b, {50.0, std::nullopt, 0.1, 0.1});
    const struct {
        const char* where;
        double x, y;
        bool value;
    } points[] = {
        {"working conductor's axis", -9.1, 14.0, false},
        {"inside its bundle", -9.0, 14.1, false},
        {"beside its bundle", -9.1, 14.3, true},
        {"ground wire's axis", 6.9, 45.0, false},
        {"shield wire's axis", -24.0, 9.0, false},
        {"above the shield wire", -24.0, 9.1, true},
        {"under the roof", 34.0, 5.0, false},
        {"on the front wall", 30.0, 5.0, false},
        {"in front of the wall", 29.9, 5.0, true},
        {"under the roof's end", 38.0, 11.5, false},
        {"above the roof", 34.0, 11.0, true},
        {"behind the building", 38.1, 5.0, true},
    };
    for (const auto& p : points) {
        SCOPED_TRACE(p.where);
        const int column = static_cast<int>(std::lround((p.x - map.grid.left) / map.grid.stepX));
        const int row = static_cast<int>(std::lround(p.y / map.grid.stepY));
        ASSERT_NEAR(map.grid.x(column), p.x, 1e-9);
        ASSERT_NEAR(map.grid.y(row), p.y, 1e-9);
        EXPECT_EQ(FieldMap::hasValue(map.at(column, row)), p.value);
    }
    // The building's own conductors are its outline, not wires of the scene.
    EXPECT_EQ(map.scene.conductors.size(), 6u + 2u + 13u);
}

TEST(FieldMap, SameValuesOnAnyNumberOfThreads) {
    for (const bool magnetic : {false, true}) {
        SCOPED_TRACE(magnetic);
        Bench b;
        setUpLargest(b);
        b.form.currents = {"500", "300", true};
        b.form.fieldChoice = magnetic ? 1 : 0;
        const FieldMap one = mapOf(b, {.range = 50.0}, 1);
        for (const int threads : {2, 3, 0}) {
            const FieldMap more = mapOf(b, {.range = 50.0}, threads);
            ASSERT_EQ(more.values.size(), one.values.size());
            EXPECT_EQ(std::memcmp(more.values.data(), one.values.data(),
                                  one.values.size() * sizeof(double)),
                      0)
                << threads;
        }
    }
}

TEST(FieldMapGrid, RefusesWhatCannotBeComputed) {
    const double nan = std::nan("");
    const double inf = INFINITY;
    const std::string range = "Zasięg mapy pola musi być większy od 0.0!";
    const std::string top = "Wysokość mapy pola musi być większa od 0.0!";
    const std::string stepX = "Krok siatki X musi być większy od 0.0!";
    const std::string stepY = "Krok siatki Y musi być większy od 0.0!";
    const struct {
        FieldMapRequest request;
        std::string message;
    } cases[] = {
        {{.range = 0.0}, range},
        {{.range = -5.0}, range},
        {{.range = nan}, range},
        {{.range = inf}, range},
        {{.range = 50.0, .top = 0.0}, top},
        {{.range = 50.0, .top = -1.0}, top},
        {{.range = 50.0, .top = nan}, top},
        {{.range = 50.0, .stepX = 0.0}, stepX},
        {{.range = 50.0, .stepX = -0.5}, stepX},
        {{.range = 50.0, .stepX = inf}, stepX},
        {{.range = 50.0, .stepX = nan}, stepX},
        {{.range = 50.0, .stepY = 0.0}, stepY},
        {{.range = 50.0, .stepX = 0.5, .stepY = -0.1}, stepY},
        {{50.0, 50.0, 0.05, 0.05},
         "Siatka mapy pola ma 2003001 punktów, a może mieć najwyżej 1000000!"},
    };
    Bench b;
    setUpBuiltIn(b, 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto grid = fieldMapGrid(*b.project, b.form, c.request);
        ASSERT_TRUE(std::holds_alternative<std::string>(grid));
        EXPECT_EQ(std::get<std::string>(grid), c.message);
    }
    // Steps far too fine are refused before any count overflows.
    EXPECT_TRUE(std::holds_alternative<std::string>(
        fieldMapGrid(*b.project, b.form, {50.0, 50.0, 1e-300, 1e-300})));
    // A million points exactly: 1000 columns by 1000 rows.
    const FieldMapGrid largest = gridOf(b, {49.95, 99.9, 0.1, 0.1});
    EXPECT_EQ(largest.points(), kMaxMapPoints);
}

// 201 by 101 points up to 5 m above the highest conductor, across the range on both sides
// of the axis or from the line's start for a shifted tower.
TEST(FieldMapGrid, Defaults) {
    const struct {
        double shift;
        double range;
        double left, stepX;
    } cases[] = {{0.0, 50.0, -50.0, 0.5}, {30.0, 80.0, -30.0, 0.4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        Bench b;
        setUpBuiltIn(b, 2, "12", "40");
        shiftTower(b, c.shift);
        const FieldMapGrid g = gridOf(b, {.range = c.range});
        EXPECT_EQ(g.columns, 201);
        EXPECT_EQ(g.rows, 101);
        EXPECT_DOUBLE_EQ(g.left, c.left);
        EXPECT_DOUBLE_EQ(g.stepX, c.stepX);
        EXPECT_DOUBLE_EQ(g.y(g.rows - 1), 45.0);
    }
    // A taller line beside the main one raises the top.
    Bench b;
    setUpBuiltIn(b, 1, "12", "20");
    b.form.options.neighbours = {builtInNeighbour(2, 50.0)};
    EXPECT_DOUBLE_EQ(gridOf(b, {.range = 50.0}).y(100), 45.0);
}

} // namespace
} // namespace velt::testing
