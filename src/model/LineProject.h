#pragma once
// The one current line configuration, its calculation settings and the working
// storage of the field passes.

#include <cstdint>

namespace velt {

/// Conductor arrays are used from index 1; index 0 is present and unused.
inline constexpr int kConductorSlots = 100;
/// The capacitance matrix is used from row and column 1, so it holds at most 59 conductors.
inline constexpr int kMatrixSlots = 60;
inline constexpr int kMaxMatrixConductors = kMatrixSlots - 1;
/// Profile arrays are used from index 1.
inline constexpr int kProfileSlots = 210;
/// Tower names in UTF-8: up to 15 characters (the longest a catalogue record holds).
inline constexpr int kTowerNameSlots = 64;

struct LineProject {
    char towerSeries[kTowerNameSlots]{};
    char towerType[kTowerNameSlots]{};
    double nominalVoltage{};
    double phaseVoltagePeak{};

    // Working conductors ("lpr").
    std::uint32_t phaseConductorCount{};
    std::uint32_t phaseBundleSize{};
    double phaseRadius{};
    double phaseBundleSpacing{};
    // Ground wires ("lpo").
    std::uint32_t groundWireCount{};
    std::uint32_t groundBundleSize{};
    double groundWireRadius{};
    double groundBundleSpacing{};
    // Shield wires ("lpe"), the building conductors included.
    std::uint32_t shieldWireCount{};
    std::uint32_t shieldBundleSize{};
    double shieldWireRadius{};
    double shieldBundleSpacing{};

    std::uint32_t conductorCount{};
    double conductorX[kConductorSlots]{};
    double conductorY[kConductorSlots]{};
    double conductorRadius[kConductorSlots]{};
    double equivalentRadius[3]{};
    std::uint32_t circuitMode{};
    bool phaseOrderSwapped{};

    bool buildingOn{};
    bool shieldWiresOn{};
    bool towerChosen{};
    std::int32_t chosenTowerIndex{};
    bool lineDataAccepted{};
    bool buildingPresent{};
    double buildingFrontX{};
    double buildingFrontY{};
    double buildingRoofX{};
    double buildingRoofY{};

    bool fieldKind{}; ///< false electric, true magnetic
    bool lineKind{};  ///< false horizontal line at height y, true vertical line at distance x
    double lineCoordinate{};
    double pointX{};
    double pointY{};
    double calcRange{};
    double calcStep{};
    double profileLength{};

    std::int32_t variantCounter{};
    std::int32_t calculationDone{};

    double potentialFactor{};
    double capacitanceMatrix[kMatrixSlots][kMatrixSlots]{};
    double determinantMantissa{};
    std::int32_t determinantExponent{};
    double fieldComponentX[kProfileSlots]{};
    double fieldComponentY[kProfileSlots]{};

    // Members the desktop program keeps in its main window; the calculation depends on them.
    double towerShift{};
    bool towerShifted{};
    double halfRange{};
    double lastHalfRange{};
    bool firstPassRunning{};
    double firstPassMaxIndex{};
    /// What the running pass added to every conductor x [m]: the half range in the first
    /// pass of a horizontal line under an unshifted tower, else 0. Lines beside this one
    /// are placed in the same frame.
    double frameOffset{};
};

} // namespace velt
