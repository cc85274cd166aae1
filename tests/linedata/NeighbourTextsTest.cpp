// A neighbouring line between its dialog's texts, the line and the table's cells.

#include "linedata/NeighbourTexts.h"

#include "calc/NeighbourValues.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

const TowerDefinition& s12() {
    return builtInTowers()[0];
}

const TowerDefinition& z52() {
    return builtInTowers()[2];
}

NeighbourTexts typed(std::string working, std::string ground, std::string first,
                     std::string second) {
    NeighbourTexts texts;
    texts.offset = "-40,5";
    texts.workingHeight = std::move(working);
    texts.groundWireHeight = std::move(ground);
    texts.currents = {std::move(first), std::move(second)};
    texts.angle = "30";
    texts.phaseOrderSwapped = true;
    return texts;
}

TEST(NeighbourTexts, OnlyWhatTheTowerHasCounts) {
    struct Case {
        const char* name;
        TowerDefinition tower;
        NeighbourTexts texts;
        double groundWireHeight;
        std::vector<double> currents;
        bool swapped;
    };
    TowerDefinition bare = s12();
    bare.groundWireCount = 0;
    const Case cases[] = {
        {"OneCircuit", s12(), typed("12", "16", "300", "200"), 16.0, {300.0}, false},
        {"NoGroundWires", bare, typed("12", "16", "300", ""), 0.0, {300.0}, false},
        {"TwoCircuits", z52(), typed("12", "30", "500", "400"), 30.0, {500.0, 400.0}, true},
        {"SecondMissing", z52(), typed("12", "30", "500", " "), 30.0, {500.0}, true},
        {"FirstMissing", z52(), typed("12", "30", "", "400"), 30.0, {0.0, 400.0}, true},
        {"NoneGiven", z52(), typed("12", "30", "", ""), 30.0, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NeighbourLine line = neighbourOfTexts(c.texts, c.tower, false);
        EXPECT_EQ(line.offset, -40.5);
        EXPECT_EQ(line.workingHeight, 12.0);
        EXPECT_EQ(line.groundWireHeight, c.groundWireHeight);
        EXPECT_EQ(line.currents, c.currents);
        EXPECT_EQ(line.phaseOrderSwapped, c.swapped);
        EXPECT_EQ(line.angle, 30.0);
        EXPECT_EQ(line.tower, c.tower);
    }
}

TEST(NeighbourTexts, AShownLineReadsBackTheSame) {
    NeighbourLine line;
    line.tower = z52();
    line.builtInTower = true;
    line.label = "Linia 400 kV";
    line.workingHeight = 12.5;
    line.groundWireHeight = 31.0;
    line.offset = -60.0;
    line.phaseOrderSwapped = true;
    line.voltage = 380.0;
    line.currents = {650.0, 420.5};
    line.angle = -15.0;
    EXPECT_EQ(neighbourOfTexts(neighbourTexts(line), line.tower, true), line);

    line.voltage.reset();
    line.currents.clear();
    const NeighbourTexts texts = neighbourTexts(line);
    EXPECT_EQ(texts.voltage, "");
    EXPECT_EQ(neighbourOfTexts(texts, line.tower, true), line);
}

// The dialog points at the field its refusal is about.
TEST(NeighbourTexts, RefusalsPointAtTheirField) {
    struct Case {
        const char* name;
        NeighbourTexts texts;
        bool magnetic;
        NeighbourField field;
    };
    NeighbourTexts noVoltage = typed("12", "30", "500", "400");
    noVoltage.voltage = "0";
    const Case cases[] = {
        {"WorkingHeight", typed("", "30", "500", "400"), false, NeighbourField::WorkingHeight},
        {"GroundWireHeight", typed("12", "abc", "500", "400"), false,
         NeighbourField::GroundWireHeight},
        {"Voltage", noVoltage, false, NeighbourField::Voltage},
        {"NoCurrents", typed("12", "30", "", ""), true, NeighbourField::FirstCurrent},
        {"FirstCurrentZero", typed("12", "30", "0", "400"), true, NeighbourField::FirstCurrent},
        {"SecondMissing", typed("12", "30", "500", ""), true, NeighbourField::SecondCurrent},
        {"SecondZero", typed("12", "30", "500", "0"), true, NeighbourField::SecondCurrent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NeighbourLine line = neighbourOfTexts(c.texts, z52(), true);
        const auto refusal = checkNeighbourLine(line, c.magnetic);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusedField(refusal->key, line), c.field);
    }
    EXPECT_EQ(refusedField("tower.phaseDiameter", {}), NeighbourField::Tower);
    EXPECT_EQ(refusedField("tower.nominalVoltage", {}), NeighbourField::Voltage);
}

} // namespace
} // namespace velt
