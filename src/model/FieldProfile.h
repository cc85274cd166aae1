#pragma once
// The result record of the last calculation; every variant takes a whole copy of it.

#include "model/LineProject.h"

#include <cstdint>
#include <type_traits>

namespace velt {

/// The comment holds at most 254 characters, in UTF-8.
inline constexpr int kMaxCommentLength = 254;
inline constexpr int kCommentSlots = 4 * kMaxCommentLength + 1;

struct FieldProfile {
    std::int32_t maxConductorHeight{};
    double drawRange{};
    double valueAxisStep{};
    double heightAxisStep{};
    double maxPosition{};
    double valueAxisMax{};
    double resultPosition[kProfileSlots]{};
    double resultValue[kProfileSlots]{};
    double resultBuildingX1{};
    double resultBuildingY1{};
    double resultBuildingX2{};
    double resultBuildingY2{};
    bool resultBuildingPresent{};
    std::int32_t profilePointCount{};
    bool resultFieldKind{};
    bool resultLineKind{};
    double resultLineX{};
    double resultMaxValue{};
    std::int32_t resultMaxIndex{};
    double resultStep{};
    double resultPointY{};
    double resultPointX{};
    double resultConductorX[kConductorSlots]{};
    double resultConductorY[kConductorSlots]{};
    double resultValueX[kProfileSlots]{};
    double resultValueY[kProfileSlots]{};
    char resultTowerSeries[kTowerNameSlots]{};
    char resultTowerType[kTowerNameSlots]{};
    std::int32_t resultPhaseConductorCount{};
    std::int32_t resultGroundWireCount{};
    std::int32_t variantNumber{};
    bool variantSaved{};
    double resultVoltage{};
    double resultPhaseSpacing{};
    double resultPhaseRadius{};
    double resultGroundRadius{};
    double resultGroundSpacing{};
    double resultShieldRadius{};
    double resultShieldSpacing{};
    double resultRange{};
    std::uint32_t resultPhaseBundleSize{};
    std::uint32_t resultGroundBundleSize{};
    std::uint32_t resultConductorCount{};
    std::uint32_t resultShieldWireCount{};
    std::uint32_t resultShieldBundleSize{};
    double maxSurfaceGradient{};
    double interferenceLevel[5]{};
    bool resultOnConductors{};
    bool interferenceComputed{};
    std::uint32_t resultCircuitMode{};
    double resultMaxCurrent1{};
    double resultMaxCurrent2{};
    double resultPositionH[kProfileSlots]{};
    double resultDrawRange{};
    double resultProfileLength{};
    double resultAxisX{};
    double resultAxisOffset{};
    bool resultAxisOffsetSet{};
    bool resultTowerShifted{};
    char resultComment[kCommentSlots]{};
    double resultEnteredRange{};
};

static_assert(std::is_trivially_copyable_v<FieldProfile>,
              "a variant copies the whole result record");
static_assert(std::is_trivially_copyable_v<LineProject>);

} // namespace velt
