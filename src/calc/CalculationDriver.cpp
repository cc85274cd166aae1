#include "calc/CalculationDriver.h"

#include "calc/Computability.h"
#include "calc/CorridorChecks.h"
#include "calc/FieldConstants.h"
#include "calc/VariantFields.h"
#include "model/DecimalText.h"
#include "model/TextSlots.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

namespace velt {
namespace {

// The x offset of the first pass. Removing it restores the saved positions themselves, so
// the conductors end where they started to the last bit, also when a pass refuses.
class FirstPassOffset {
  public:
    explicit FirstPassOffset(LineProject& project) : project_(project) {
        std::copy(std::begin(project.conductorX), std::end(project.conductorX), saved_.begin());
    }
    ~FirstPassOffset() { remove(); }
    FirstPassOffset(const FirstPassOffset&) = delete;
    FirstPassOffset& operator=(const FirstPassOffset&) = delete;

    void apply(double dx) {
        for (double& x : project_.conductorX) {
            x += dx;
        }
        project_.frameOffset = dx;
        applied_ = true;
    }
    void remove() {
        if (applied_) {
            std::copy(saved_.begin(), saved_.end(), std::begin(project_.conductorX));
            project_.frameOffset = 0.0;
            applied_ = false;
        }
    }

  private:
    LineProject& project_;
    std::array<double, kConductorSlots> saved_{};
    bool applied_ = false;
};

// Opens the data window and makes sure it is closed on every way out.
class DataWindowScope {
  public:
    explicit DataWindowScope(CalculationDataWindow* window) : window_(window) {
        if (window_ != nullptr) {
            window_->open();
        }
    }
    ~DataWindowScope() { close(); }
    DataWindowScope(const DataWindowScope&) = delete;
    DataWindowScope& operator=(const DataWindowScope&) = delete;

    void repaint() {
        if (window_ != nullptr) {
            window_->repaint();
        }
    }
    void close() {
        if (window_ != nullptr) {
            window_->close();
            window_ = nullptr;
        }
    }

  private:
    CalculationDataWindow* window_;
};

// Copies of both records, put back when a calculation does not complete.
class RecordsBefore {
  public:
    RecordsBefore(const LineProject& project, const FieldProfile& profile)
        : project_(std::make_unique<LineProject>(project)),
          profile_(std::make_unique<FieldProfile>(profile)) {}
    void restore(LineProject& project, FieldProfile& profile) const {
        project = *project_;
        profile = *profile_;
    }

  private:
    std::unique_ptr<LineProject> project_;
    std::unique_ptr<FieldProfile> profile_;
};

bool runPass(PassContext& ctx, double lineMode, double lineX, bool onConductors) {
    if (ctx.form.magnetic()) {
        return computeMagneticField(ctx, lineMode, lineX, onConductors, true);
    }
    return computeElectricField(ctx, lineMode, lineX, onConductors, false);
}

void setPassRange(LineProject& p, FieldProfile& f, double range) {
    p.calcRange = range;
    p.profileLength = range;
    f.resultProfileLength = range;
    p.calcStep = kStepFraction * range;
}

// A horizontal line under an unshifted tower is scanned over its full width first; the half
// that holds the maximum is then computed again with twice the resolution.
bool runHorizontalLine(PassContext& ctx) {
    LineProject& p = ctx.project;
    FirstPassOffset offset(p);
    if (!p.towerShifted) {
        const double r = p.halfRange;
        offset.apply(r);
        p.firstPassRunning = true;
        const bool ok = runPass(ctx, 0.0, 0.0, false);
        p.firstPassRunning = false;
        if (!ok) {
            return false;
        }
        p.lastHalfRange = r;
        const int middle = ctx.profile.profilePointCount / 2;
        if (!(middle > p.firstPassMaxIndex)) {
            // The maximum lies on the axis or right of it: the right half, unshifted.
            offset.remove();
            p.halfRange = 0.0;
        }
        setPassRange(p, ctx.profile, r);
        takeBuildingIntoResult(ctx);
    }
    return runPass(ctx, 0.0, 0.0, false);
}

bool dispatch(PassContext& ctx) {
    const LineDataForm& form = ctx.form;
    if (form.onConductors()) {
        return runPass(ctx, 0.0, 0.0, true);
    }
    if (form.verticalLine()) {
        return runPass(ctx, 1.0, readDecimal(form.lineDistance), false);
    }
    return runHorizontalLine(ctx);
}

} // namespace

void takeBuildingIntoResult(PassContext& ctx) {
    FieldProfile& f = ctx.profile;
    const LineDataForm& form = ctx.form;
    f.resultBuildingPresent = form.buildingChecked;
    if (form.buildingChecked) {
        const double shift = ctx.project.towerShift;
        f.resultBuildingX1 = readDecimal(form.building.frontX) + shift;
        f.resultBuildingY1 = readDecimal(form.building.frontY);
        f.resultBuildingX2 = readDecimal(form.building.roofX) + shift;
        f.resultBuildingY2 = readDecimal(form.building.roofY);
    }
}

bool askCalculationRange(PassContext& ctx) {
    LineProject& p = ctx.project;
    FieldProfile& f = ctx.profile;
    f.resultTowerShifted = p.towerShifted;
    double range = 0.0;
    for (;;) {
        p.calcRange = kProposedRange;
        const auto answer = ctx.ui.askCalculationRange(formatGeneral(p.calcRange));
        if (!answer) {
            return false;
        }
        range = readDecimal(*answer);
        if (range > 0.0) {
            break;
        }
        ctx.ui.showMessage(p.towerShifted ? kRangeShiftedMessage : kRangeUnshiftedMessage);
    }
    f.resultEnteredRange = range;
    if (p.towerShifted) {
        setPassRange(p, f, range);
    } else {
        // The profile spans the range on both sides of the axis.
        p.halfRange = range;
        setPassRange(p, f, 2.0 * range);
    }
    takeBuildingIntoResult(ctx);
    copyText(f.resultComment, sizeof f.resultComment, ctx.ui.askComment(), kMaxCommentLength);
    return true;
}

CalculationOutcome calculate(PassContext& ctx, CalculationDataWindow* window) {
    LineProject& p = ctx.project;
    const LineDataForm& form = ctx.form;
    if (!p.lineDataAccepted) {
        ctx.ui.showMessage(kNoLineDataMessage);
        return CalculationOutcome::NoLineData;
    }
    // A configuration the passes cannot compute is refused before anything is asked.
    auto refusal = checkComputable(p, form.onConductors());
    if (!refusal) {
        refusal = checkCorridor(p, form, form.onConductors());
    }
    if (refusal) {
        ctx.ui.showMessage(*refusal);
        return CalculationOutcome::Refused;
    }
    // A calculation that does not complete leaves both records as they were.
    const RecordsBefore before(p, ctx.profile);
    p.calculationDone = 1;
    p.buildingPresent = form.buildingChecked;
    if (form.buildingChecked) {
        p.buildingFrontX = readDecimal(form.building.frontX);
        p.buildingFrontY = readDecimal(form.building.frontY);
        p.buildingRoofX = readDecimal(form.building.roofX);
        p.buildingRoofY = readDecimal(form.building.roofY);
    }
    p.fieldKind = form.magnetic();
    p.lineKind = form.verticalLine();
    p.lineCoordinate = readDecimal(form.verticalLine() ? form.lineDistance : form.lineHeight);

    DataWindowScope dataWindow(window);
    if (!askCalculationRange(ctx)) {
        before.restore(p, ctx.profile);
        return CalculationOutcome::Refused;
    }
    dataWindow.repaint();
    p.pointY = readDecimal(form.lineHeight);
    if (!dispatch(ctx)) {
        // Nothing was completed: saving and printing keep refusing as before.
        before.restore(p, ctx.profile);
        return CalculationOutcome::Refused;
    }
    ctx.ui.setStatus(1, kCalculationDoneStatus);
    dataWindow.close();

    ctx.profile.variantSaved = false;
    ++p.variantCounter;
    fillVariantFields(ctx.profile, p, form);
    return CalculationOutcome::Done;
}

} // namespace velt
