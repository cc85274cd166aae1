// The accurate surface method's texts of a calculation on the conductors: the method, the
// four points' gradient beside it, the corona onset, and every bundle's gradient.

#include "model/DecimalText.h"
#include "model/Translatable.h"
#include "render/GraphLayoutParts.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace velt {
namespace {

// Source texts (context "velt").
const char* const kAccurateMethod =
    VELT_TRANSLATE_NOOP("velt", "Metoda dokładna: powierzchnie przewodów ekwipotencjalne");
const char* const kFourPointMethod =
    VELT_TRANSLATE_NOOP("velt", "Metoda czterech punktów: %1 kV/cm");
const char* const kCoronaOnset =
    VELT_TRANSLATE_NOOP("velt", "Natężenie początkowe ulotu Eo = %1 kV/cm");
const char* const kGroundWireName = VELT_TRANSLATE_NOOP("velt", "O%1");
const char* const kShieldWireName = VELT_TRANSLATE_NOOP("velt", "E%1");
const char* const kNeighbourMark = "L%1 ";

// y of text row `k`, as the texts above stand.
int rowY(const GraphFrame& frame, int h, int k) {
    return frame.surfaceTop + k * h + 5;
}

// R1, S1, T1, R2, ... of the phase bundles, O1, O2 of the ground wires, E1 of the shield
// wires, counted line by line; a neighbouring line's carry its number.
std::vector<std::string> bundleNames(const SurfaceExtras& s, SourceTranslator translate) {
    std::map<std::tuple<int, ConductorRole, int>, int> counts;
    std::vector<std::string> names;
    for (const BundleGradientRow& row : s.bundles) {
        const std::string n = std::to_string(++counts[{row.line, row.role, row.phase}]);
        std::string name;
        if (row.role == ConductorRole::Ground) {
            name = filledIn(translate(kGroundWireName), {n});
        } else if (row.role == ConductorRole::Shield) {
            name = filledIn(translate(kShieldWireName), {n});
        } else {
            name =
                (row.phase >= 1 && row.phase <= 3 ? std::string(1, "RST"[row.phase - 1]) : "F") + n;
        }
        if (row.line != kMainLine) {
            name = filledIn(translate(kNeighbourMark), {std::to_string(row.line)}) + name;
        }
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> bundleEntries(const SurfaceExtras& s, SourceTranslator translate) {
    std::vector<std::string> entries = bundleNames(s, translate);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BundleGradientRow& row = s.bundles[i];
        entries[i] += formatNumber(": %.2lf kV/cm", row.gradient);
        if (row.onsetRatio) {
            entries[i] += formatNumber("  E/Eo=%.2lf", *row.onsetRatio);
        }
    }
    return entries;
}

// The entries down as many columns as the canvas's height needs, the block centred.
void placeColumns(const std::vector<std::string>& entries, const GraphFrame& frame,
                  const TextMeasure& measure, int k, std::vector<PlacedText>& texts) {
    if (entries.empty()) {
        return;
    }
    const int h = measure.height("H", TextStyle::Regular);
    const int rows = std::max(1, (frame.height - frame.surfaceTop - rowY(frame, h, k)) / h);
    const int n = static_cast<int>(entries.size());
    const int columns = (n + rows - 1) / rows;
    const int perColumn = (n + columns - 1) / columns;
    int widest = 0;
    for (const std::string& entry : entries) {
        widest = std::max(widest, measure.width(entry, TextStyle::Regular));
    }
    const int gap = measure.width("    ", TextStyle::Regular);
    const int left = frame.surfaceCentre - (columns * (widest + gap) - gap) / 2;
    for (int i = 0; i < n; ++i) {
        const int x = left + i / perColumn * (widest + gap);
        texts.push_back({{x, rowY(frame, h, k + i % perColumn)}, entries[i]});
    }
}

} // namespace

void addAccurateSurfaceTexts(const SurfaceExtras& s, const GraphFrame& frame,
                             const TextMeasure& measure, SourceTranslator translate, int k,
                             std::vector<PlacedText>& texts) {
    const std::string lines[] = {
        translate(kAccurateMethod),
        filledIn(translate(kFourPointMethod), {formatNumber("%.2lf", s.specifiedGradient)}),
        filledIn(translate(kCoronaOnset), {formatNumber("%.2lf", s.coronaOnset)})};
    const int h = measure.height("H", TextStyle::Regular);
    for (const std::string& line : lines) {
        const int w = measure.width(line, TextStyle::Regular);
        texts.push_back({{frame.surfaceCentre - w / 2, rowY(frame, h, k++)}, line});
    }
    placeColumns(bundleEntries(s, translate), frame, measure, k + 1, texts);
}

} // namespace velt
