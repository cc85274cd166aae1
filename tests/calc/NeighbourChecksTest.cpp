// What the passes refuse about the lines beside the main one, and the keys they name.

#include "CalcFixtures.h"

#include "calc/CalculationDriver.h"
#include "calc/Computability.h"
#include "calc/CorridorChecks.h"
#include "calc/NeighbourValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velt::testing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ValueCase {
    const char* name;
    void (*spoil)(NeighbourLine&);
    bool magnetic;
    const char* key; ///< nullptr: accepted
    const std::string* message;
};

const ValueCase kValueCases[] = {
    {"Accepted", [](NeighbourLine&) {}, true, nullptr, nullptr},
    {"WorkingHeightZero", [](NeighbourLine& n) { n.workingHeight = 0.0; }, false, "workingHeight",
     &kNeighbourHeightMessage},
    {"GroundHeightNegative", [](NeighbourLine& n) { n.groundWireHeight = -1.0; }, false,
     "groundWireHeight", &kNeighbourHeightMessage},
    {"GroundHeightUnusedWithoutGroundWires",
     [](NeighbourLine& n) {
         n.tower.groundWireCount = 0;
         n.groundWireHeight = 0.0;
     },
     false, nullptr, nullptr},
    {"OffsetNotANumber", [](NeighbourLine& n) { n.offset = kNaN; }, false, "offset",
     &kBadNumberMessage},
    {"VoltageZero", [](NeighbourLine& n) { n.voltage = 0.0; }, false, "voltage",
     &kNeighbourVoltageMessage},
    {"VoltageAt1200", [](NeighbourLine& n) { n.voltage = 1200.0; }, false, nullptr, nullptr},
    {"VoltageAbove1200", [](NeighbourLine& n) { n.voltage = 1200.001; }, false, "voltage",
     &kNeighbourVoltageMessage},
    {"NominalVoltageZero",
     [](NeighbourLine& n) {
         n.voltage.reset();
         n.tower.nominalVoltage = 0.0;
     },
     false, "tower.nominalVoltage", &kNeighbourVoltageMessage},
    {"AngleInfinite", [](NeighbourLine& n) { n.angle = std::numeric_limits<double>::infinity(); },
     false, "angle", &kBadNumberMessage},
    {"NoCurrentForTheMagneticField", [](NeighbourLine& n) { n.currents.clear(); }, true, "currents",
     &kNeighbourCurrentsMessage},
    {"NoCurrentNeededForTheElectricField", [](NeighbourLine& n) { n.currents.clear(); }, false,
     nullptr, nullptr},
    {"CurrentZero", [](NeighbourLine& n) { n.currents = {0.0}; }, true, "currents[0]",
     &kNeighbourCurrentMessage},
    {"CurrentNotANumber", [](NeighbourLine& n) { n.currents = {kNaN}; }, false, "currents[0]",
     &kBadNumberMessage},
    {"SecondCircuitWithoutCurrent",
     [](NeighbourLine& n) {
         n.tower = builtInNeighbour(2, 0.0).tower;
         n.currents = {500.0};
     },
     true, "currents", &kNeighbourCurrentsMessage},
    {"FourWorkingConductors", [](NeighbourLine& n) { n.tower.phaseConductorCount = 4; }, false,
     "tower.phase", &kPhaseCountMessage},
    {"WorkingPositionNotANumber", [](NeighbourLine& n) { n.tower.conductorY[1] = kNaN; }, false,
     "tower.phase[1]", &kBadNumberMessage},
    {"GroundPositionNotANumber", [](NeighbourLine& n) { n.tower.conductorX[4] = kNaN; }, false,
     "tower.groundX[1]", &kBadNumberMessage},
    {"PhaseDiameterZero", [](NeighbourLine& n) { n.tower.phaseDiameter = 0.0; }, false,
     "tower.phaseDiameter", &kRadiusMessage},
    {"GroundDiameterZero", [](NeighbourLine& n) { n.tower.groundDiameter = 0.0; }, false,
     "tower.groundDiameter", &kRadiusMessage},
    {"BundleOfNone", [](NeighbourLine& n) { n.tower.phaseBundleSize = 0; }, false,
     "tower.phaseBundleSize", &kBundleSizeMessage},
    {"BundleWithoutSpacing",
     [](NeighbourLine& n) {
         n.tower.phaseBundleSize = 2;
         n.tower.phaseBundleSpacing = 0.0;
     },
     false, "tower.phaseBundleSpacing", &kSpacingMessage},
};

TEST(NeighbourValues, EachBadValueIsNamedByItsKey) {
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(c.name);
        std::vector<NeighbourLine> lines = {builtInNeighbour(0, -30.0), builtInNeighbour(1, 40.0)};
        c.spoil(lines[1]);
        const auto refusal = checkNeighbourValues(lines, c.magnetic);
        if (c.key == nullptr) {
            EXPECT_FALSE(refusal) << refusal->key;
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->key, std::string("neighbours[1].") + c.key);
        EXPECT_EQ(refusal->message, *c.message);
    }
}

struct CorridorCase {
    const char* name;
    std::vector<NeighbourLine> neighbours;
    std::string message; ///< empty: accepted
};

NeighbourLine lowered(NeighbourLine n, double workingHeight) {
    n.workingHeight = workingHeight;
    return n;
}

NeighbourLine sagging(NeighbourLine n) {
    n.tower.conductorY[2] = -13.0; // 1 m below ground at 12 m
    return n;
}

NeighbourLine broken(NeighbourLine n) {
    n.voltage = 0.0;
    return n;
}

// Beside the largest configuration, whose building spans x 30..38 up to a roof 9..12 m high.
std::vector<CorridorCase> corridorCases() {
    const NeighbourLine s12 = builtInNeighbour(0, -40.0);
    return {
        {"Accepted", {s12, builtInNeighbour(1, 80.0)}, ""},
        {"NineLines", std::vector<NeighbourLine>(9, s12), kTooManyLinesMessage},
        {"BadValueOfTheSecond",
         {s12, broken(s12)},
         "Linia sąsiednia 2: " + kNeighbourVoltageMessage},
        {"OnTheMainLine",
         {lowered(builtInNeighbour(2, 0.0), 14.0)},
         "Linia sąsiednia 1: " + kSamePlaceMessage},
        {"OnAnotherNeighbour", {s12, s12}, "Linia sąsiednia 2: " + kSamePlaceMessage},
        {"BelowGround", {sagging(s12)}, "Linia sąsiednia 1: " + kConductorBelowGroundMessage},
        {"InsideTheBuilding",
         {lowered(builtInNeighbour(0, 34.0), 1.0)},
         "Linia sąsiednia 1: " + kInsideBuildingMessage},
        {"AboveTheRoof", {lowered(builtInNeighbour(0, 34.0), 13.0)}, ""},
    };
}

TEST(CorridorChecks, RefusalsNameTheLine) {
    for (const CorridorCase& c : corridorCases()) {
        SCOPED_TRACE(c.name);
        Bench b;
        setUpLargest(b);
        b.form.options.neighbours = c.neighbours;
        const auto refusal = checkCorridor(*b.project, b.form, false);
        EXPECT_EQ(refusal.value_or(""), c.message);
    }
}

TEST(CorridorChecks, FiveHundredConductorsAtMost) {
    Bench b;
    setUpLargestCorridor(b);
    EXPECT_EQ(checkCorridor(*b.project, b.form, true), std::nullopt);
    b.form.options.neighbours[2].tower.groundWireCount = 15;
    b.form.options.neighbours[2].tower.conductorX[20] = 20.0;
    EXPECT_EQ(checkCorridor(*b.project, b.form, true), kTooManyCorridorConductorsMessage);
}

TEST(CorridorChecks, PassesAndCalculationRefuseBeforeComputing) {
    Bench b;
    setUpBuiltIn(b, 1);
    b.form.currents = {"500", "0", false};
    b.form.options.neighbours = {builtInNeighbour(1, 0.0)};
    const std::string message = "Linia sąsiednia 1: " + kSamePlaceMessage;
    prepareFullWidth(b, 100.0, 2.0);
    PassContext ctx = b.context();
    EXPECT_FALSE(computeElectricField(ctx, 0.0, 0.0, false, false));
    EXPECT_FALSE(computeMagneticField(ctx, 0.0, 0.0, true, true));
    EXPECT_EQ(b.ui.messages, std::vector<std::string>(2, message));

    Bench c;
    setUpBuiltIn(c, 1);
    c.form.options.neighbours = b.form.options.neighbours;
    c.project->lineDataAccepted = true;
    PassContext calculation = c.context();
    EXPECT_EQ(calculate(calculation), CalculationOutcome::Refused);
    EXPECT_EQ(c.ui.log, std::vector<std::string>{"message " + message});
}

// Conductors thicker than their distance have no positive definite coefficients: the pass
// says the system is singular and leaves the line as it was.
TEST(CorridorChecks, SingularCorridorIsRefused) {
    Bench b;
    setUpBuiltIn(b, 1);
    NeighbourLine thick = builtInNeighbour(1, 3.0);
    thick.tower.phaseDiameter = 20.0;
    b.form.options.neighbours = {thick};
    prepareFullWidth(b, 100.0, 2.0);
    const std::vector<double> before(std::begin(b.project->conductorX),
                                     std::end(b.project->conductorX));
    PassContext ctx = b.context();
    EXPECT_FALSE(computeElectricField(ctx, 0.0, 0.0, false, false));
    EXPECT_EQ(b.ui.messages, std::vector<std::string>{kSingularMessage});
    EXPECT_EQ(
        std::vector<double>(std::begin(b.project->conductorX), std::end(b.project->conductorX)),
        before);
}

} // namespace
} // namespace velt::testing
