#include "results/ReportExtras.h"

#include "model/DecimalText.h"

namespace velt {
namespace {

void writeSurfaceMethod(std::ostream& out, const SurfaceExtras& s) {
    if (!s.computed || s.method != SurfaceMethod::Accurate) {
        return;
    }
    out << formatNumber("Emx obliczono metoda dokladna (powierzchnie przewodow "
                        "ekwipotencjalne); metoda czterech punktow: %5.2lf kV/cm\n",
                        s.specifiedGradient);
}

std::string buildingText(BuildingInZone building) {
    switch (building) {
    case BuildingInZone::Whole:
        return "caly w strefie";
    case BuildingInZone::Partly:
        return "czesciowo w strefie";
    case BuildingInZone::Outside:
        break;
    }
    return "poza strefa";
}

void writeZone(std::ostream& out, const ExposureZone& z, bool magnetic, bool vertical) {
    const char* unit = magnetic ? "A/m" : "kV/m";
    out << (z.limitName.empty() ? z.limitKey : z.limitName) << formatNumber(": %.3lf ", z.level)
        << unit << "\n";
    if (z.intervals.empty()) {
        out << "   Poziom nie jest osiagany\n";
        return;
    }
    out << formatNumber("   Strefa: od %.2lf", z.from) << (z.openLeft ? " (poza zakresem)" : "")
        << formatNumber(" do %.2lf", z.to) << (z.openRight ? " (poza zakresem)" : "") << " m, "
        << (vertical ? "wysokosc" : "szerokosc") << formatNumber(" %.2lf m\n", z.width);
    if (z.intervals.size() > 1) {
        out << "   Przedzialy:";
        for (const ZoneInterval& i : z.intervals) {
            out << formatNumber(" [%.2lf,", i.from) << formatNumber(" %.2lf]", i.to);
        }
        out << "\n";
    }
    if (z.building) {
        out << "   Budynek: " << buildingText(*z.building) << "\n";
    }
}

void writeZones(std::ostream& out, const FieldProfile& f, const CalculationExtras& e) {
    if (e.limits.empty() || f.resultOnConductors) {
        return;
    }
    out << "\n****** Poziomy dopuszczalne ******\n";
    if (f.resultFieldKind) {
        out << "(wartosci skuteczne; kw w tabeli to amplituda)\n";
    }
    for (const ExposureZone& z : e.zones) {
        writeZone(out, z, f.resultFieldKind, f.resultLineKind);
    }
}

void writePositions(std::ostream& out, const char* title,
                    const std::vector<std::pair<double, double>>& conductors, double axis,
                    bool heights) {
    out << "   " << title;
    for (const auto& [x, y] : conductors) {
        out << formatNumber("%5.1lf  ", heights ? y : x - axis);
    }
    out << "\n";
}

void writeNeighbours(std::ostream& out, const FieldProfile& f, const CalculationExtras& e) {
    if (e.neighbours.empty()) {
        return;
    }
    out << "\n****** Linie sasiednie ******\n";
    const double axis = f.resultAxisX;
    for (const NeighbourDrawing& n : e.neighbours) {
        out << n.line << ". " << (n.label.empty() ? "Linia " + std::to_string(n.line) : n.label)
            << "\n";
        writePositions(out, "Wysokosci przewodow roboczych nad ziemia: ", n.working, axis, true);
        writePositions(out, "Odleglosci przewodow roboczych od osi y: ", n.working, axis, false);
        if (!n.ground.empty()) {
            writePositions(out, "Wysokosci przewodow odgromowych nad ziemia: ", n.ground, axis,
                           true);
            writePositions(out, "Odleglosci przewodow odgromowych od osi y: ", n.ground, axis,
                           false);
        }
    }
}

} // namespace

void writeReportExtras(std::ostream& out, const FieldProfile& f, const CalculationExtras& e) {
    writeSurfaceMethod(out, e.surface);
    writeZones(out, f, e);
    writeNeighbours(out, f, e);
}

} // namespace velt
