#include "cli/ProfileJson.h"

#include "cli/ExtrasJson.h"
#include "model/TextSlots.h"

#include <algorithm>

namespace velt {
namespace {

using json = nlohmann::json;

// Elements 1..count of a 1-based array, never past its end.
template <std::size_t N> json usedElements(const double (&values)[N], long long count) {
    json array = json::array();
    const long long last = std::min<long long>(count, static_cast<long long>(N) - 1);
    for (long long i = 1; i <= last; ++i) {
        array.push_back(values[i]);
    }
    return array;
}

template <std::size_t N> std::string textField(const char (&field)[N]) {
    return textOf(field, N);
}

} // namespace

json profileToJson(const FieldProfile& f) {
    const long long points = f.profilePointCount;
    const long long conductors = f.resultConductorCount;
    json levels = json::array();
    for (const double level : f.interferenceLevel) {
        levels.push_back(level);
    }
    return json{
        {"maxConductorHeight", f.maxConductorHeight},
        {"drawRange", f.drawRange},
        {"valueAxisStep", f.valueAxisStep},
        {"heightAxisStep", f.heightAxisStep},
        {"maxPosition", f.maxPosition},
        {"valueAxisMax", f.valueAxisMax},
        {"resultPosition", usedElements(f.resultPosition, points)},
        {"resultValue", usedElements(f.resultValue, points)},
        {"resultBuildingX1", f.resultBuildingX1},
        {"resultBuildingY1", f.resultBuildingY1},
        {"resultBuildingX2", f.resultBuildingX2},
        {"resultBuildingY2", f.resultBuildingY2},
        {"resultBuildingPresent", f.resultBuildingPresent},
        {"profilePointCount", f.profilePointCount},
        {"resultFieldKind", f.resultFieldKind},
        {"resultLineKind", f.resultLineKind},
        {"resultLineX", f.resultLineX},
        {"resultMaxValue", f.resultMaxValue},
        {"resultMaxIndex", f.resultMaxIndex},
        {"resultStep", f.resultStep},
        {"resultPointY", f.resultPointY},
        {"resultPointX", f.resultPointX},
        {"resultConductorX", usedElements(f.resultConductorX, conductors)},
        {"resultConductorY", usedElements(f.resultConductorY, conductors)},
        {"resultValueX", usedElements(f.resultValueX, points)},
        {"resultValueY", usedElements(f.resultValueY, points)},
        {"resultTowerSeries", textField(f.resultTowerSeries)},
        {"resultTowerType", textField(f.resultTowerType)},
        {"resultPhaseConductorCount", f.resultPhaseConductorCount},
        {"resultGroundWireCount", f.resultGroundWireCount},
        {"variantNumber", f.variantNumber},
        {"variantSaved", f.variantSaved},
        {"resultVoltage", f.resultVoltage},
        {"resultPhaseSpacing", f.resultPhaseSpacing},
        {"resultPhaseRadius", f.resultPhaseRadius},
        {"resultGroundRadius", f.resultGroundRadius},
        {"resultGroundSpacing", f.resultGroundSpacing},
        {"resultShieldRadius", f.resultShieldRadius},
        {"resultShieldSpacing", f.resultShieldSpacing},
        {"resultRange", f.resultRange},
        {"resultPhaseBundleSize", f.resultPhaseBundleSize},
        {"resultGroundBundleSize", f.resultGroundBundleSize},
        {"resultConductorCount", f.resultConductorCount},
        {"resultShieldWireCount", f.resultShieldWireCount},
        {"resultShieldBundleSize", f.resultShieldBundleSize},
        {"maxSurfaceGradient", f.maxSurfaceGradient},
        {"interferenceLevel", levels},
        {"resultOnConductors", f.resultOnConductors},
        {"interferenceComputed", f.interferenceComputed},
        {"resultCircuitMode", f.resultCircuitMode},
        {"resultMaxCurrent1", f.resultMaxCurrent1},
        {"resultMaxCurrent2", f.resultMaxCurrent2},
        {"resultPositionH", usedElements(f.resultPositionH, points)},
        {"resultDrawRange", f.resultDrawRange},
        {"resultProfileLength", f.resultProfileLength},
        {"resultAxisX", f.resultAxisX},
        {"resultAxisOffset", f.resultAxisOffset},
        {"resultAxisOffsetSet", f.resultAxisOffsetSet},
        {"resultTowerShifted", f.resultTowerShifted},
        {"resultComment", textField(f.resultComment)},
        {"resultEnteredRange", f.resultEnteredRange},
    };
}

void writeProfileJson(std::ostream& out, const FieldProfile& profile,
                      const CalculationExtras* extras) {
    json document = profileToJson(profile);
    if (extras != nullptr) {
        addExtrasToJson(document, profile, *extras);
    }
    // Texts come from the record; a stray byte must not stop the output.
    out << document.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
}

} // namespace velt
