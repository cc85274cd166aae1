// The application object.

#include "app/VeltApplication.h"

#include "app/DesktopCalculationUi.h"
#include "app/HelpViewer.h"
#include "app/OptionSettings.h"
#include "app/ProjectDocument.h"
#include "app/TW_About.h"
#include "app/TW_EndAsk.h"
#include "app/TW_Main.h"
#include "app/TW_Splash.h"
#include "dialogs/TW_Kom.h"
#include "dialogs/TW_LoadS.h"
#include "dialogs/TW_NewPrzew.h"
#include "dialogs/TW_PEkr.h"
#include "dialogs/TW_PFaz.h"
#include "dialogs/TW_Poziomy.h"
#include "dialogs/TW_PrzesSlup.h"
#include "dialogs/TW_Save.h"
#include "dialogs/TW_UWar.h"
#include "dialogs/TW_WspDom.h"
#include "dialogs/TW_ZFaz.h"
#include "dialogs/TW_ZObl.h"
#include "dialogs/TW_ZRys.h"
#include "dialogs/TW_Zakl.h"
#include "editor/TW_NPOdg.h"
#include "editor/TW_New.h"
#include "editor/TW_PRob.h"
#include "widgets/Prompter.h"

#include <QApplication>

static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace velt {

template <typename Form>
Form* VeltApplication::keep(std::unique_ptr<Form>& slot, std::unique_ptr<Form> form) {
    slot = std::move(form);
    forms_.push_back(slot.get());
    return slot.get();
}

VeltApplication::VeltApplication(std::unique_ptr<Prompter> prompter)
    : prompter_(std::move(prompter)), project_(std::make_unique<LineProject>()),
      profile_(std::make_unique<FieldProfile>()), lineDialog_(std::make_unique<LineDialogState>()),
      towerEditorState_(std::make_unique<TowerEditorState>()) {
    // The options the user chose last time are the ones a new set-up starts with.
    lineDialog_->form.options = loadOptionSettings();
    initHelpResources();
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("VELT  2009"));

    Prompter& p = *prompter_;
    keep(W_Main, std::make_unique<TW_Main>(*this));
    keep(W_EndAsk, std::make_unique<TW_EndAsk>());
    keep(W_LoadS, std::make_unique<TW_LoadS>(p, *project_, *lineDialog_));
    keep(W_About, std::make_unique<TW_About>());
    keep(W_WspDom, std::make_unique<TW_WspDom>());
    keep(W_PEkr, std::make_unique<TW_PEkr>(p, *project_));
    keep(W_NewPrzew, std::make_unique<TW_NewPrzew>());
    keep(W_Zakl, std::make_unique<TW_Zakl>());
    keep(W_ZFaz, std::make_unique<TW_ZFaz>());
    keep(W_UWar, std::make_unique<TW_UWar>());
    keep(W_PFaz, std::make_unique<TW_PFaz>(p));
    keep(W_ZRys, std::make_unique<TW_ZRys>());
    keep(W_ZObl, std::make_unique<TW_ZObl>());
    keep(W_Save, std::make_unique<TW_Save>());
    keep(W_Splash, std::make_unique<TW_Splash>());
    keep(W_New, std::make_unique<TW_New>(p, *towerEditorState_));
    keep(W_PRob, std::make_unique<TW_PRob>(p));
    keep(W_NPOdg, std::make_unique<TW_NPOdg>(p));
    keep(W_PrzesSlup, std::make_unique<TW_PrzesSlup>(p, *project_));
    keep(W_Kom, std::make_unique<TW_Kom>());

    connectForms();
    poziomy_ = std::make_unique<TW_Poziomy>(p);
    help_ = std::make_unique<HelpViewer>();
    calculationUi_ = std::make_unique<DesktopCalculationUi>(*this);
    document_ = std::make_unique<ProjectDocument>(*this);
}

VeltApplication::~VeltApplication() = default;

void VeltApplication::connectForms() {
    // The line-data dialog is created before its companions, so it meets them here.
    W_LoadS->setCompanions({W_WspDom.get(), W_PEkr.get(), W_Zakl.get(), W_ZFaz.get(), W_PFaz.get(),
                            W_PrzesSlup.get()});
    QObject::connect(W_LoadS.get(), &TW_LoadS::newTowerRequested, W_Main.get(),
                     &TW_Main::BitBtn4Click);
    QObject::connect(W_LoadS.get(), &TW_LoadS::neighbourLinesRequested, W_Main.get(),
                     &TW_Main::Liniesasiednie1Click);
    QObject::connect(W_LoadS.get(), &TW_LoadS::statusMessage, W_Main.get(),
                     [this](const QString& text) { W_Main->setStatusText(1, text); });

    // The shield-wire editor is created before TW_NewPrzew, so the editors meet it here.
    W_PEkr->setNewConductorDialog(*W_NewPrzew);
    W_PRob->setNewConductorDialog(*W_NewPrzew);
    W_NPOdg->setNewConductorDialog(*W_NewPrzew);
    W_New->setConductorEditors(*W_PRob, *W_NPOdg);
    QObject::connect(W_New.get(), &TW_New::statusMessage, W_Main.get(),
                     [this](const QString& text) { W_Main->setStatusText(1, text); });

    const auto towerLists = [this] {
        return TowerListFields{W_PRob->rows(), W_NPOdg->rows(),
                               W_New->workingHeightText().toStdString(),
                               W_New->groundHeightText().toStdString()};
    };
    W_PRob->setTowerListSource(towerLists);
    W_NPOdg->setTowerListSource(towerLists);
}

int VeltApplication::run(const QString& projectFile) {
    W_Main->centreOnScreen();
    W_Main->show();
    W_Main->openAfterSplash(projectFile);
    return QApplication::exec();
}

const LineDataForm& VeltApplication::collectLineData() {
    return W_LoadS->collectForm();
}

} // namespace velt
