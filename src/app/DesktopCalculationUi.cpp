// The calculation's questions answered by the desktop program.

#include "app/DesktopCalculationUi.h"

#include "app/ProjectDocument.h"
#include "app/TW_Main.h"
#include "app/VeltApplication.h"
#include "dialogs/TW_Kom.h"
#include "dialogs/TW_ZObl.h"
#include "dialogs/TW_ZRys.h"
#include "model/DecimalText.h"
#include "widgets/Prompter.h"
#include "widgets/ShownText.h"

namespace velt {

void DesktopCalculationUi::setStatus(int panel, const std::string& text) {
    app_.mainWindow().setStatusText(panel, shownText(text));
    // The passes let no window messages through; the status bar still has to show.
    app_.mainWindow().repaint();
}

void DesktopCalculationUi::showMessage(const std::string& text) {
    app_.prompter().showMessage(QString::fromStdString(text));
}

// The answers of a project file are offered instead of the usual proposals; what a completed
// calculation used becomes the project's answers (ProjectDocument::takeCalculation).
std::optional<std::string> DesktopCalculationUi::askCalculationRange(const std::string& proposed) {
    const CalculationAnswers& answers = app_.document().answers();
    // The range is the first question of a calculation.
    const bool fromFile = rangeFromFile_ && projectOpen() && answers.range;
    rangeFromFile_ = false;
    drawingRangeFromFile_ = true;
    app_.zObl().setText(
        QString::fromStdString(fromFile ? formatGeneral(*answers.range) : proposed));
    app_.prompter().exec(app_.zObl());
    const std::string text = app_.zObl().text().toStdString();
    rangeFromFile_ = readDecimal(text) > 0.0;
    return text;
}

std::string DesktopCalculationUi::askComment() {
    const CalculationAnswers& answers = app_.document().answers();
    app_.kom().setText(projectOpen() ? QString::fromStdString(answers.comment) : QString());
    app_.prompter().exec(app_.kom());
    return app_.kom().text().toStdString();
}

std::optional<std::string> DesktopCalculationUi::askDrawingRange(const std::string& proposed) {
    const CalculationAnswers& answers = app_.document().answers();
    const bool fromFile = drawingRangeFromFile_ && projectOpen() && answers.drawRange;
    drawingRangeFromFile_ = false;
    app_.zRys().setText(
        QString::fromStdString(fromFile ? formatNumber("%.2lf", *answers.drawRange) : proposed));
    app_.prompter().exec(app_.zRys());
    return app_.zRys().text().toStdString();
}

bool DesktopCalculationUi::projectOpen() {
    return !app_.document().path().isEmpty();
}

} // namespace velt
