#include "linedata/ConductorListRules.h"

#include "model/DecimalText.h"
#include "model/Translatable.h"

#include <algorithm>

namespace velt {
namespace {

const std::string kWorkingOverlapMessage =
    VELT_TRANSLATE_NOOP("velt", "Przewody robocze\npokrywają się z \nprzewodami odgromowymi!");
const std::string kGroundOverlapMessage =
    VELT_TRANSLATE_NOOP("velt", "Przewody odgromowe\npokrywają się z \nprzewodami roboczymi!");
const std::string kDiameterMessage = VELT_TRANSLATE_NOOP("velt", "Nie podano średnicy przewodów!");
const std::string kBundleCountMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano ilości przewodów w wiązce!");
const std::string kBundleSpacingMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano odległości przewodów w wiązce!");

// Entries of the editor's own list that lie on a conductor of the other list. A working
// conductor's height is relative to the working suspension height; every ground wire hangs
// at the ground-wire suspension height.
std::vector<std::size_t> overlappingEntries(ConductorEditor editor, const TowerListFields& f) {
    const double workingHeight = readDecimal(f.workingSuspensionHeight);
    const double groundHeight = readDecimal(f.groundSuspensionHeight);
    std::vector<std::size_t> own;
    for (std::size_t w = 0; w < f.workingRows.size(); ++w) {
        const double xw = readDecimal(f.workingRows[w].distance);
        const double yw = readDecimal(f.workingRows[w].height) + workingHeight;
        for (std::size_t g = 0; g < f.groundRows.size(); ++g) {
            if (xw == readDecimal(f.groundRows[g].distance) && yw == groundHeight) {
                own.push_back(editor == ConductorEditor::GroundWires ? g : w);
            }
        }
    }
    std::sort(own.begin(), own.end());
    own.erase(std::unique(own.begin(), own.end()), own.end());
    return own;
}

} // namespace

AddRowResult addConductorRow(std::vector<ConductorRow>& rows, ConductorListLock& lock,
                             ConductorEditor editor, const ConductorRow& typed) {
    AddRowResult result;
    if (editor == ConductorEditor::ShieldWires && !(readDecimal(typed.height) > 0.0)) {
        return result;
    }
    rows.push_back(typed);
    result.added = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i] == rows[j]) {
                ++result.duplicatePairs;
                lock.locked = true;
                lock.selected = j;
            }
        }
    }
    return result;
}

bool deleteConductorRow(std::vector<ConductorRow>& rows, ConductorListLock& lock,
                        std::optional<std::size_t> selected) {
    if (!selected || *selected >= rows.size()) {
        return false;
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*selected));
    lock = {};
    return true;
}

std::optional<std::string> acceptShieldWires(LineProject& project, const ShieldWireForm& form) {
    if (form.rows.empty()) {
        return std::nullopt;
    }
    const double diameter = readDecimal(form.diameter);
    if (!(diameter > 0.0)) {
        return kShieldDiameterMessage;
    }
    project.shieldWireRadius = diameter * 0.5;
    project.shieldBundleSpacing = 1.0;
    project.shieldBundleSize = 1;
    project.shieldWireCount = static_cast<std::uint32_t>(form.rows.size());
    return std::nullopt;
}

TowerListAccept acceptTowerList(ConductorEditor editor, const TowerListFields& lists,
                                const BundleFields& fields) {
    TowerListAccept result;
    result.selected = overlappingEntries(editor, lists);
    if (!result.selected.empty()) {
        result.message =
            editor == ConductorEditor::GroundWires ? kGroundOverlapMessage : kWorkingOverlapMessage;
    } else if (!(readDecimal(fields.diameter) > 0.0)) {
        result.message = kDiameterMessage;
    } else if (readWholeNumber(fields.bundleCount) < 1) {
        result.message = kBundleCountMessage;
    } else if (!(readDecimal(fields.bundleSpacing) > 0.0)) {
        result.message = kBundleSpacingMessage;
    }
    return result;
}

} // namespace velt
