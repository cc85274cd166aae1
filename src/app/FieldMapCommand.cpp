// "Mapa pola...".

#include "app/FieldMapCommand.h"

#include "app/FieldMapWindow.h"
#include "app/ProjectDocument.h"
#include "app/TW_Main.h"
#include "app/Variants.h"
#include "app/VeltApplication.h"
#include "calc/CalculationDriver.h"
#include "dialogs/TW_Mapa.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace velt {
namespace {

// A large grid takes a while to compute.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::optional<FieldMap> mapOf(const LineProject& project, const LineDataForm& form,
                              const FieldMapGrid& grid) {
    const WaitCursor wait;
    return computeFieldMap(project, form, grid);
}

} // namespace

void openFieldMap(VeltApplication& app, Variants& variants, QWidget& parent) {
    LineProject& project = app.project();
    if (!project.lineDataAccepted) {
        app.prompter().showMessage(QString::fromStdString(kNoLineDataMessage));
        return;
    }
    const LineDataForm& form = app.collectLineData();
    // The range of the last calculation, as velt-calc maps a project.
    TW_Mapa dialog(app.prompter(), project, form,
                   app.document().answers().range.value_or(kProposedRange), &parent);
    if (app.prompter().exec(dialog) != mrYes) {
        return;
    }
    auto map = mapOf(project, form, dialog.grid());
    if (!map) {
        app.prompter().showMessage(
            QCoreApplication::translate("velt", "Nie można obliczyć mapy pola dla tej linii!"));
        return;
    }
    // A map is a result as a calculation's graph is: numbered alike, saved and printed.
    project.calculationDone = 1;
    TW_Main& main = app.mainWindow();
    variants.addResult(
        new FieldMapView(std::move(*map), form.options, ++project.variantCounter,
                         [&main](const QString& text) { main.setStatusText(1, text); }));
}

} // namespace velt
