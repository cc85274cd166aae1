// "Seria obliczeń...".

#include "app/SeriesCommand.h"

#include "app/ProjectMessage.h"

#include "app/ProjectDocument.h"
#include "app/SeriesRunner.h"
#include "app/SeriesView.h"
#include "app/TW_Main.h"
#include "app/TW_Seria.h"
#include "app/Variants.h"
#include "app/VeltApplication.h"
#include "calc/CalculationDriver.h"
#include "project/ProjectFiles.h"
#include "widgets/Prompter.h"
#include "widgets/ShownText.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStatusBar>

namespace velt {
namespace {

// Combinations the line does not take (the conductors reach the ground wires) are left out
// of the graph: the user is told how many, and why with the first of them.
void tellLeftOut(VeltApplication& app, const std::vector<SeriesRow>& rows) {
    const auto refused = [](const SeriesRow& row) { return row.state == RowState::Refused; };
    const auto first = std::find_if(rows.begin(), rows.end(), refused);
    if (first == rows.end()) {
        return;
    }
    const auto count = std::count_if(rows.begin(), rows.end(), refused);
    app.prompter().showMessage(
        QCoreApplication::translate("velt", "Pominięto %1 z %2 obliczeń serii:\n%3")
            .arg(count)
            .arg(rows.size())
            .arg(shownText(first->refused)));
}

void openSeriesVariant(VeltApplication& app, Variants& variants, SeriesResult result) {
    LineProject& project = app.project();
    // Saving, printing and the closing question count a series as a calculation.
    project.calculationDone = 1;
    const std::vector<SeriesRow> rows = result.rows;
    variants.addResult(new SeriesView(++project.variantCounter, std::move(result)));
    tellLeftOut(app, rows);
}

// The one runner of the window, made on first use.
SeriesRunner& runnerOf(VeltApplication& app, Variants& variants, QWidget& parent) {
    if (auto* runner = parent.findChild<SeriesRunner*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *runner;
    }
    TW_Main& main = app.mainWindow();
    return *new SeriesRunner(
        *main.statusBar(),
        [&app, &variants](SeriesResult result) {
            openSeriesVariant(app, variants, std::move(result));
        },
        [&main](const QString& text) { main.setStatusText(1, text); }, &parent);
}

// The set-up as a project file would hold it, loaded as velt-calc loads that file.
std::optional<SeriesProject> setUpProject(VeltApplication& app) {
    const std::string path = app.document().path().toStdString();
    SeriesProjectLoad load = loadSeriesProject(
        app.document().currentText(), path.empty() ? std::string() : projectFolderOf(path));
    if (!load.project) {
        app.prompter().showMessage(projectMessage(load.result));
    }
    return std::move(load.project);
}

} // namespace

void runSeries(VeltApplication& app, Variants& variants, QWidget& parent) {
    SeriesRunner& runner = runnerOf(app, variants, parent);
    if (runner.running()) {
        app.prompter().showMessage(
            QCoreApplication::translate("velt", "Seria obliczeń jeszcze trwa!"));
        return;
    }
    if (!app.project().lineDataAccepted) {
        app.prompter().showMessage(QString::fromStdString(kNoLineDataMessage));
        return;
    }
    auto project = setUpProject(app);
    if (!project) {
        return;
    }
    TW_Seria dialog(std::move(*project), app.prompter(), &parent);
    if (app.prompter().exec(dialog) == mrYes && dialog.request()) {
        runner.start(*dialog.request());
    }
}

} // namespace velt
