#pragma once
// What the line-data dialog and its companion dialogs hold: the texts and choices the
// user last entered. The dialogs keep them for the whole run; the core reads this plain
// snapshot and never a widget.

#include "model/CalculationOptions.h"

#include <string>
#include <vector>

namespace velt {

/// One row of a conductor list: the texts exactly as typed.
struct ConductorRow {
    std::string distance; ///< distance from the line axis [m]
    std::string height;   ///< height [m]
    bool operator==(const ConductorRow&) const = default;
};

struct BuildingForm { ///< TW_WspDom
    std::string frontX = "0.00";
    std::string frontY = "0.00";
    std::string roofX = "0.00";
    std::string roofY = "0.00";
};

struct InterferenceForm { ///< TW_Zakl
    std::string distance = "0.00";
    std::string frequency = "0.00";
};

struct PhaseCurrentForm { ///< TW_PFaz
    std::string firstCircuit = "0.0";
    std::string secondCircuit = "0.0";
    bool secondCircuitEnabled = false;
};

struct ShieldWireForm { ///< TW_PEkr
    std::vector<ConductorRow> rows;
    std::string diameter = "0.0";
};

struct LineDataForm {          ///< TW_LoadS with its companions
    std::string workingHeight; ///< Edit1: lowest working-conductor suspension height
    std::string groundHeight;  ///< Edit2: ground-wire suspension height
    int fieldChoice = 0;       ///< RadioGroup1: 0 "Elektryczne", 1 "Magnetyczne"
    int modeChoice = 1;        ///< RadioGroup2: 0 "Na przewodach", 1 "Wzdłuż zadanych prostych"
    int lineChoice = 0;        ///< RadioGroup3: 0 horizontal line, 1 vertical line
    std::string lineHeight = "2.0";   ///< Edit3: y of the horizontal line
    std::string lineDistance;         ///< Edit4: x of the vertical line
    bool buildingChecked = false;     ///< CheckBox2 "Budynek"
    bool shieldWiresChecked = false;  ///< CheckBox1 "Przewody ekranujące"
    bool interferenceChecked = false; ///< CheckBox3 "Zakł. na przewodach?"
    int phaseOrderChoice = 0;         ///< TW_ZFaz: 0 "RST - RST", 1 "RST - TRS"
    std::string towerShift = "0";     ///< TW_PrzesSlup Edit1
    BuildingForm building;
    InterferenceForm interference;
    PhaseCurrentForm currents;
    ShieldWireForm shieldWires;
    /// Chosen in the "Obliczenia" menu and the neighbouring-lines table.
    CalculationOptions options;

    bool magnetic() const { return fieldChoice != 0; }
    bool onConductors() const { return modeChoice == 0; }
    bool verticalLine() const { return lineChoice != 0; }
};

} // namespace velt
