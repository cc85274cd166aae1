// The line project file of the desktop program.

#include "app/ProjectDocument.h"

#include "app/ProjectMessage.h"
#include "app/VeltApplication.h"
#include "calc/CalculationDriver.h"
#include "dialogs/TW_LoadS.h"
#include "model/TextSlots.h"
#include "project/ProjectFiles.h"
#include "project/ProjectWriter.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace velt {

bool ProjectDocument::open(const QString& path) {
    // Loaded aside, so that a refusal leaves the running set-up untouched.
    auto project = std::make_unique<LineProject>();
    auto loaded = std::make_unique<LoadedProject>();
    const LoadResult result = openProjectFile(path.toStdString(), *project, *loaded);
    if (result.status != LoadStatus::Accepted) {
        app_.prompter().showMessage(projectMessage(result));
        return false;
    }
    // The variants of this run keep their numbers.
    LineProject& current = app_.project();
    project->variantCounter = current.variantCounter;
    project->calculationDone = current.calculationDone;
    current = *project;
    app_.lineDialog() = static_cast<const LineDialogState&>(*loaded);
    answers_ = loaded->answers;
    app_.loadS().showState();
    path_ = path;
    savedText_ = currentText();
    return true;
}

bool ProjectDocument::savable() {
    return opensAgain(currentText());
}

bool ProjectDocument::opensAgain(const std::string& text) {
    // A file that opening would refuse (no tower yet, heights the checks refuse) is not
    // written: the user would lose the set-up at the next opening.
    auto check = std::make_unique<LineProject>();
    auto scratch = std::make_unique<LoadedProject>();
    const LoadResult reopened = loadProject(text, {}, *check, *scratch);
    if (reopened.status != LoadStatus::Accepted) {
        app_.prompter().showMessage(
            QCoreApplication::translate("velt", "Projektu nie zapisano:\n") +
            projectMessage(reopened));
        return false;
    }
    return true;
}

bool ProjectDocument::saveAs(const QString& path) {
    const std::string text = currentText();
    if (!opensAgain(text)) {
        return false;
    }
    if (const auto failure = saveProjectFile(path.toStdString(), text)) {
        app_.prompter().showMessage(QString::fromStdString(*failure));
        return false;
    }
    path_ = path;
    savedText_ = text;
    return true;
}

void ProjectDocument::takeCalculation(const FieldProfile& profile) {
    const double range = profile.resultEnteredRange;
    // An answer left out of the file is the question's proposal; one equal to it stays out.
    if (answers_.range || range != kProposedRange) {
        answers_.range = range;
    }
    answers_.comment = textOf(profile.resultComment, sizeof profile.resultComment);
    if (!profile.resultOnConductors) {
        // The drawing range proposed is the range itself, on every line.
        if (answers_.drawRange || profile.resultDrawRange != range) {
            answers_.drawRange = profile.resultDrawRange;
        }
    } else if (answers_.drawRange && *answers_.drawRange > range) {
        // No drawing range was asked; one the next calculation along a line could refuse is
        // not kept (every line's profile is at least as long as the range).
        answers_.drawRange.reset();
    }
}

bool ProjectDocument::modified() {
    return !path_.isEmpty() && currentText() != savedText_;
}

QString ProjectDocument::title(const QString& base) {
    if (path_.isEmpty()) {
        return base;
    }
    return base + QStringLiteral(" - ") + QFileInfo(path_).fileName() +
           (modified() ? QStringLiteral("*") : QString());
}

std::string ProjectDocument::currentText() {
    const LineDialogState& state = app_.lineDialog();
    app_.collectLineData();
    return projectText(state, chosenProjectTower(app_.project(), state), answers_);
}

} // namespace velt
