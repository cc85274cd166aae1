// The panel's lines after its own: the zones of the exposure limits and the neighbouring
// lines, in the panel's numbers.

#include "model/DecimalText.h"
#include "model/Translatable.h"
#include "render/GraphLayoutParts.h"

#include <algorithm>

namespace velt {
namespace {

// Source texts (context "velt").
const char* const kZoneNotReached = VELT_TRANSLATE_NOOP("velt", "Strefa %1: brak");
const char* const kZoneTitle = VELT_TRANSLATE_NOOP("velt", "Strefa %1:");
const char* const kZoneEdges = VELT_TRANSLATE_NOOP("velt", "od %1 do %2 m");
const char* const kZoneIntervals = VELT_TRANSLATE_NOOP("velt", "przedziałów: %1");
const char* const kLevelAboveAxis = VELT_TRANSLATE_NOOP("velt", "(ponad skalą wykresu)");
const char* const kNeighboursTitle = VELT_TRANSLATE_NOOP("velt", "Linie sąsiednie:");
const char* const kOffGraph = VELT_TRANSLATE_NOOP("velt", "(poza wykresem)");
const char* const kNeighbourName = VELT_TRANSLATE_NOOP("velt", "Linia %1");

const std::string kIndent = "  ";

// The zone's outer edges; with several intervals, how many.
int writeZone(const FieldProfile& f, const GraphAdditions& a, const ExposureZone& z, PanelWriter& w,
              int k) {
    const std::string level = zoneLevelText(z, f, a);
    if (z.intervals.empty()) {
        w.line(k++, filledIn(a.translate(kZoneNotReached), {level}));
    } else {
        w.line(k++, filledIn(a.translate(kZoneTitle), {level}));
        const std::string edges = filledIn(
            a.translate(kZoneEdges), {formatNumber("%.2lf", z.from), formatNumber("%.2lf", z.to)});
        w.line(k++, kIndent + edges, TextStyle::Regular);
    }
    if (z.intervals.size() > 1) {
        const std::string count = std::to_string(z.intervals.size());
        w.line(k++, kIndent + filledIn(a.translate(kZoneIntervals), {count}), TextStyle::Regular);
    }
    if (levelAboveAxis(z, w.g.scales)) {
        w.line(k++, kIndent + a.translate(kLevelAboveAxis), TextStyle::Regular);
    }
    return k;
}

// Whether any working conductor of `n` stands within the distance scale, where its dot is
// drawn: a line on the side the graph leaves out is said to be so.
bool drawnOnGraph(const NeighbourDrawing& n, const GraphScales& s) {
    return std::any_of(n.working.begin(), n.working.end(), [&s](const auto& wire) {
        return wire.first >= 0.0 && wire.first <= s.xMax;
    });
}

int writeNeighbours(const GraphAdditions& a, PanelWriter& w, int k) {
    w.line(k++, a.translate(kNeighboursTitle));
    for (const NeighbourDrawing& n : a.extras->neighbours) {
        const std::string number = std::to_string(n.line);
        std::string name =
            n.label.empty() ? filledIn(a.translate(kNeighbourName), {number}) : n.label;
        w.line(k++, kIndent + number + ". " + name, TextStyle::Regular);
        if (!drawnOnGraph(n, w.g.scales)) {
            w.line(k++, kIndent + kIndent + a.translate(kOffGraph), TextStyle::Regular);
        }
    }
    return k;
}

} // namespace

void writePanelExtras(const FieldProfile& f, const GraphAdditions& a, PanelWriter& w, int k) {
    for (const ExposureZone& z : a.extras->zones) {
        k = writeZone(f, a, z, w, k);
    }
    if (!a.extras->neighbours.empty()) {
        writeNeighbours(a, w, a.extras->zones.empty() ? k : k + 1);
    }
}

} // namespace velt
