#include "results/Report.h"

#include "calc/Computability.h"
#include "model/Cp1250.h"
#include "model/DecimalText.h"
#include "model/FileNames.h"
#include "model/FileReplacement.h"
#include "model/TextSlots.h"
#include "results/ReportExtras.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <locale>
#include <sstream>

namespace velt {
namespace {

const char* const kStars = "****************************************************************\n";

struct GroupTexts {
    const char* count; ///< "%u" follows, then the line end(s)
    const char* countEnd;
    const char* parameters;
    const char* heights;
    const char* distances;
};

const GroupTexts kWorking{"Liczba przewodow roboczych lpr = ", "\n\n",
                          "Parametry przewodu roboczego:\n",
                          "Wysokosci przewodow roboczych nad ziemia:\n",
                          "\n\nOdleglosci przewodow roboczych od osi y:\n"};
const GroupTexts kGround{"Liczba przewodow odgromowych  lpo = ", "\n",
                         "Parametry przewodu odgromowego:\n",
                         "Wysokosci przewodow odgromowych nad ziemia:\n",
                         "\n\nOdleglosci przewodow odgromowych od osi y:\n"};
const GroupTexts kShield{"Liczba przewodow ekranujących  lpe = ", "\n",
                         "Parametry przewodu ekranujacego:\n",
                         "Wysokosci przewodow ekranujacych nad ziemia:\n",
                         "\n\nOdleglosci przewodow ekranujacych od osi y:\n"};

struct Group {
    std::uint32_t count;
    double radius;
    double spacing;
    std::uint32_t bundleSize;
    std::int64_t first; ///< index of the group's first conductor
};

// One conductor group: count, parameters, heights and distances from the tower axis.
// Indices outside the record's conductor arrays are never read, whatever the counts say.
void writeGroup(std::ostream& out, const FieldProfile& f, const GroupTexts& texts, const Group& g) {
    out << texts.count << g.count << texts.countEnd << texts.parameters
        << formatNumber("r = %7.4lf m\t", g.radius) << formatNumber("s = %5.2lf m\t", g.spacing)
        << "n1 = " << g.bundleSize << " szt\n\n";
    const std::int64_t first = std::max<std::int64_t>(g.first, 1);
    const std::int64_t last = std::min<std::int64_t>(g.first + g.count - 1, kConductorSlots - 1);
    out << texts.heights;
    for (std::int64_t i = first; i <= last; ++i) {
        out << formatNumber("%5.1lf  ", f.resultConductorY[i]);
    }
    out << texts.distances;
    for (std::int64_t i = first; i <= last; ++i) {
        out << formatNumber("%5.1lf  ", f.resultConductorX[i] - f.resultAxisX);
    }
    out << "\n\n";
}

void writeConductors(std::ostream& out, const FieldProfile& f) {
    const auto lpr = static_cast<std::uint32_t>(f.resultPhaseConductorCount);
    const auto lpo = static_cast<std::uint32_t>(f.resultGroundWireCount);
    const std::uint32_t lpe = f.resultShieldWireCount;
    const std::int64_t n = f.resultConductorCount;
    writeGroup(out, f, kWorking,
               {lpr, f.resultPhaseRadius, f.resultPhaseSpacing, f.resultPhaseBundleSize, 1});
    if (lpo > 0) {
        writeGroup(out, f, kGround,
                   {lpo, f.resultGroundRadius, f.resultGroundSpacing, f.resultGroundBundleSize,
                    n - lpo - lpe + 1});
    }
    if (lpe > 0) {
        writeGroup(out, f, kShield,
                   {lpe, f.resultShieldRadius, f.resultShieldSpacing, f.resultShieldBundleSize,
                    n - lpe + 1});
    }
}

void writeSurfaceResults(std::ostream& out, const FieldProfile& f) {
    if (f.resultFieldKind) {
        out << "Maksymalna wartosc indukcji magnetycznej na powierzchni przewodow wynosi:\n"
            << formatNumber("Emx=%6.2lf mT\n", f.maxSurfaceGradient);
        return;
    }
    out << "Maksymalna wartosc natezenia pola elektrycznego\nna powierzchni przewodow wynosi:\n"
        << formatNumber("Emx = %5.2lf kV/cm\n\n\n\n\n", f.maxSurfaceGradient);
    if (f.interferenceComputed) {
        out << "Poziom zaklocen w/g kolejnych wzorow [dB]\n";
        for (int k = 0; k < 5; ++k) {
            out << k + 1 << formatNumber(". %8.2lf\n", f.interferenceLevel[k]);
        }
        out << "\n";
    }
}

void writeTable(std::ostream& out, const FieldProfile& f) {
    const int rows = reportRowCount(f);
    const bool magnetic = f.resultFieldKind;
    if (f.resultLineKind) {
        out << formatNumber(
            "Natezenie pola jest obliczane w odleglosci x = %6.2lf m od osii linii\n\n\n\n\n",
            f.resultLineX);
        if (magnetic) {
            out << "       y(m)      kx(A/m)       ky(A/m)        kw(A/m)\n";
            for (int i = 1; i <= rows; ++i) {
                out << formatNumber("%10.1lf", f.resultPosition[i])
                    << formatNumber("%14.3lf", f.resultValueX[i])
                    << formatNumber("%14.3lf", f.resultValueY[i])
                    << formatNumber("%15.3lf\n", f.resultValue[i]);
            }
        } else {
            out << "                y(m)       ks(kv/m)\n";
            for (int i = 1; i <= rows; ++i) {
                out << formatNumber("%19.1lf", f.resultPosition[i])
                    << formatNumber("%15.3lf\n", f.resultValue[i]);
            }
        }
        return;
    }
    out << formatNumber("Natezenie pole obliczane jest na wysokosci y = %6.2lf m\n\n\n\n\n",
                        f.resultPointY);
    if (magnetic) {
        out << "       x(m)      kx(A/m)       ky(A/m)        kw(A/m)\n";
        for (int i = 1; i <= rows; ++i) {
            out << formatNumber("%10.1lf", f.resultPositionH[i] - f.resultAxisX)
                << formatNumber("%14.5lf", f.resultValueX[i])
                << formatNumber("%14.5lf", f.resultValueY[i])
                << formatNumber("%15.5lf\n", f.resultValue[i]);
        }
    } else {
        out << "                x(m)       ks(kv/m)\n";
        for (int i = 1; i <= rows; ++i) {
            out << formatNumber("%19.1lf", f.resultPosition[i] - f.resultAxisX)
                << formatNumber("%15.5lf\n", f.resultValue[i]);
        }
    }
}

void writeProfile(std::ostream& out, const FieldProfile& f) {
    if (f.resultFieldKind) {
        out << "****** Pole magnetyczne ******\n\n\n";
        if (f.resultCircuitMode == 1) {
            out << formatNumber("Maksymalna wartość prądu fazowego i1 = %10.2lf [A]\n",
                                f.resultMaxCurrent1);
        } else {
            out << formatNumber("Maksymalne wartosci pradow fazowych w obu torach I1 = %10.2lf",
                                f.resultMaxCurrent1)
                << formatNumber("  I2 = %10.2lf [A]\n", f.resultMaxCurrent2);
        }
    } else {
        out << "****** Pole elektryczne ******\n\n\n";
    }
    const double axis = f.resultTowerShifted ? f.resultAxisX : f.resultAxisX - f.resultAxisOffset;
    out << formatNumber("Oś słupa: %lf (m)\n\n", axis);
    writeTable(out, f);
}

} // namespace

int reportRowCount(const FieldProfile& f) {
    // The pass's own rounded count, never more than the record holds.
    return std::min(profilePointCount(f.resultRange, f.resultStep), kProfileSlots - 1);
}

void writeReportText(std::ostream& out, const FieldProfile& f, const CalculationExtras* extras) {
    // Whole numbers too are written without a locale's digit grouping.
    const std::locale previous = out.imbue(std::locale::classic());
    out << formatNumber("Obliczenia pola elektrycznego i magnetycznego linii u = %.1lf kv\n",
                        f.resultVoltage)
        << kStars;
    const std::string comment = textOf(f.resultComment, sizeof f.resultComment);
    if (!comment.empty()) {
        out << "Komentarz: " << comment << "\n" << kStars;
    }
    out << "Slup: seria " << textOf(f.resultTowerSeries, sizeof f.resultTowerSeries) << "\t typ "
        << textOf(f.resultTowerType, sizeof f.resultTowerType) << "\n"
        << "------------------------------\n\n";
    writeConductors(out, f);
    if (f.resultOnConductors) {
        writeSurfaceResults(out, f);
    } else {
        writeProfile(out, f);
    }
    if (extras != nullptr) {
        writeReportExtras(out, f, *extras);
    }
    out.imbue(previous);
}

bool writeReport(const std::string& chosenName, const FieldProfile& profile,
                 const std::function<void(const std::string&)>& showMessage,
                 const CalculationExtras* extras) {
    const std::string fileName = replaceExtension(chosenName, ".txt");
    std::ostringstream text;
    writeReportText(text, profile, extras);
    const std::string bytes = toCp1250(toCrLf(text.str()));

    // Through a temporary file: a full disk never leaves a report cut short, and an earlier
    // report of that name stays as it was.
    if (replaceFile(fileName, bytes)) {
        return true;
    }
    showMessage(kCannotCreateFileMessage + fileName);
    return false;
}

} // namespace velt
