#include "model/BuiltInTowers.h"

#include <initializer_list>

namespace velt {
namespace {

struct Position {
    double x;
    double relativeHeight;
};

TowerDefinition makeTower(const char* series, const char* type, double nominal, double peak,
                          double phaseDiameter, std::uint32_t bundleSize, double bundleSpacing,
                          std::initializer_list<Position> working,
                          std::initializer_list<double> groundX) {
    TowerDefinition t;
    t.towerSeries = series;
    t.towerType = type;
    t.nominalVoltage = nominal;
    t.phaseVoltagePeak = peak;
    t.phaseDiameter = phaseDiameter;
    t.groundDiameter = 0.013;
    t.phaseBundleSize = bundleSize;
    t.phaseBundleSpacing = bundleSpacing;
    t.groundBundleSize = 1;
    t.groundBundleSpacing = 1.0;
    std::size_t slot = 0;
    for (const Position& p : working) {
        t.conductorX[slot] = p.x;
        t.conductorY[slot] = p.relativeHeight;
        ++slot;
    }
    for (const double x : groundX) {
        t.conductorX[slot++] = x;
    }
    t.phaseConductorCount = static_cast<std::uint32_t>(working.size());
    t.groundWireCount = static_cast<std::uint32_t>(groundX.size());
    return t;
}

} // namespace

const std::array<std::string, kBuiltInTowerCount>& builtInTowerListTexts() {
    static const std::array<std::string, kBuiltInTowerCount> texts = {
        "S12--> P   (110 kV)",
        "H52--> PS   (220 kV)",
        "Z52-->ON150   (400 kV)",
    };
    return texts;
}

const std::array<TowerDefinition, kBuiltInTowerCount>& builtInTowers() {
    static const std::array<TowerDefinition, kBuiltInTowerCount> towers = {
        makeTower("S12", "P", 110.0, 100.429, 0.016, 1, 1.0, {{-2.6, 0.0}, {3.4, 0.0}, {2.6, 3.2}},
                  {0.0}),
        makeTower("H52", "PS", 220.0, 200.04166, 0.032, 1, 1.0,
                  {{-7.7, 0.0}, {0.0, 0.0}, {7.7, 0.0}}, {-4.5, 4.5}),
        makeTower("Z52", "ON150", 400.0, 342.92856, 0.032, 2, 0.4,
                  {{-9.1, 0.0}, {-9.1, 7.9}, {-9.1, 15.8}, {9.1, 0.0}, {9.1, 7.9}, {9.1, 15.8}},
                  {-6.9, 6.9}),
    };
    return towers;
}

const TowerDefinition* builtInTowerBySeries(const std::string& series) {
    for (const TowerDefinition& t : builtInTowers()) {
        if (t.towerSeries == series) {
            return &t;
        }
    }
    return nullptr;
}

} // namespace velt
