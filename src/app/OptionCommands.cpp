// The commands of the calculation's options.

#include "app/OptionCommands.h"

#include "app/FieldMapCommand.h"
#include "app/OptionSettings.h"
#include "app/SeriesCommand.h"
#include "app/VeltApplication.h"
#include "dialogs/TW_LoadS.h"
#include "dialogs/TW_Poziomy.h"
#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"

#include <QAction>

namespace velt {

OptionCommands::OptionCommands(VeltApplication& app, QWidget& window,
                               std::function<Variants&()> variants, std::function<void()> changed,
                               QObject* parent)
    : QObject(parent), app_(app), window_(window), variants_(std::move(variants)),
      changed_(std::move(changed)) {}

void OptionCommands::connectMenu(const MenuItems& items) {
    accurateSurface_ = &items.accurateSurface;
    connect(&items.accurateSurface, &QAction::triggered, this,
            &OptionCommands::Dokladnenatezenie1Click);
    connect(&items.limits, &QAction::triggered, this, &OptionCommands::Poziomydopuszczalne1Click);
    connect(&items.neighbours, &QAction::triggered, this, &OptionCommands::Liniesasiednie1Click);
    connect(&items.fieldMap, &QAction::triggered, this, &OptionCommands::Mapapola1Click);
    connect(&items.series, &QAction::triggered, this, &OptionCommands::Seriaobliczen1Click);
    showOptions();
}

void OptionCommands::showOptions() {
    if (accurateSurface_ != nullptr) {
        accurateSurface_->setChecked(app_.lineData().options.surfaceMethod ==
                                     SurfaceMethod::Accurate);
    }
}

void OptionCommands::optionsChanged() {
    saveOptionSettings(app_.lineDialog().form.options);
    changed_();
}

void OptionCommands::Dokladnenatezenie1Click(bool checked) {
    app_.lineDialog().form.options.surfaceMethod =
        checked ? SurfaceMethod::Accurate : SurfaceMethod::Specified;
    optionsChanged();
}

void OptionCommands::Poziomydopuszczalne1Click() {
    TW_Poziomy& dialog = app_.poziomy();
    CalculationOptions& options = app_.lineDialog().form.options;
    dialog.showOptions(options);
    if (app_.prompter().exec(dialog) == mrYes) {
        dialog.takeOptions(options);
        optionsChanged();
    }
}

void OptionCommands::Liniesasiednie1Click() {
    if (app_.loadS().editNeighbourLines()) {
        optionsChanged();
    }
}

void OptionCommands::Mapapola1Click() {
    openFieldMap(app_, variants_(), window_);
}

void OptionCommands::Seriaobliczen1Click() {
    runSeries(app_, variants_(), window_);
}

} // namespace velt
