#pragma once
// The application object: the one line project and result record, what the line-data
// dialog keeps, the prompter, and the twenty forms, created once at start-up in their fixed
// order.

#include "linedata/LineSetup.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/TowerChoice.h"
#include "toweredit/TowerEditorState.h"

#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace velt {

class DesktopCalculationUi;
class HelpViewer;
class ProjectDocument;
class Prompter;
class TW_About;
class TW_EndAsk;
class TW_Kom;
class TW_LoadS;
class TW_Main;
class TW_New;
class TW_NewPrzew;
class TW_NPOdg;
class TW_PEkr;
class TW_PFaz;
class TW_PRob;
class TW_Poziomy;
class TW_PrzesSlup;
class TW_Save;
class TW_Splash;
class TW_UWar;
class TW_WspDom;
class TW_ZFaz;
class TW_Zakl;
class TW_ZObl;
class TW_ZRys;

class VeltApplication {
  public:
    /// Needs a QApplication. Creates the forms; shows nothing.
    explicit VeltApplication(std::unique_ptr<Prompter> prompter);
    ~VeltApplication();
    VeltApplication(const VeltApplication&) = delete;
    VeltApplication& operator=(const VeltApplication&) = delete;

    /// Shows the main window centred on the screen, opens `projectFile` when one is given,
    /// and runs until the window is closed.
    int run(const QString& projectFile = {});

    LineProject& project() { return *project_; }
    FieldProfile& profile() { return *profile_; }
    TowerChoiceState& towerChoice() { return lineDialog_->choice; }
    /// The line-data dialog's snapshot, tower choice and height indicator.
    LineDialogState& lineDialog() { return *lineDialog_; }
    /// The tower editor's state, its test tower included.
    TowerEditorState& towerEditorState() { return *towerEditorState_; }
    Prompter& prompter() { return *prompter_; }
    HelpViewer& help() { return *help_; }
    DesktopCalculationUi& calculationUi() { return *calculationUi_; }
    /// The line project file being worked on.
    ProjectDocument& document() { return *document_; }

    /// The texts and choices of the line-data dialog and its companions as they stand now.
    const LineDataForm& collectLineData();
    const LineDataForm& lineData() const { return lineDialog_->form; }

    /// The twenty forms in their order of creation.
    const std::vector<QWidget*>& forms() const { return forms_; }

    TW_Main& mainWindow() { return *W_Main; }
    TW_EndAsk& endAsk() { return *W_EndAsk; }
    TW_LoadS& loadS() { return *W_LoadS; }
    TW_About& about() { return *W_About; }
    TW_WspDom& wspDom() { return *W_WspDom; }
    TW_PEkr& pEkr() { return *W_PEkr; }
    TW_NewPrzew& newPrzew() { return *W_NewPrzew; }
    TW_Zakl& zakl() { return *W_Zakl; }
    TW_ZFaz& zFaz() { return *W_ZFaz; }
    TW_UWar& uWar() { return *W_UWar; }
    TW_PFaz& pFaz() { return *W_PFaz; }
    TW_ZRys& zRys() { return *W_ZRys; }
    TW_ZObl& zObl() { return *W_ZObl; }
    TW_Save& save() { return *W_Save; }
    TW_Splash& splash() { return *W_Splash; }
    TW_New& towerEditor() { return *W_New; }
    TW_PRob& pRob() { return *W_PRob; }
    TW_NPOdg& nPOdg() { return *W_NPOdg; }
    TW_PrzesSlup& przesSlup() { return *W_PrzesSlup; }
    TW_Kom& kom() { return *W_Kom; }
    /// The exposure limits of the "Obliczenia" menu; not one of the twenty forms.
    TW_Poziomy& poziomy() { return *poziomy_; }

  private:
    template <typename Form> Form* keep(std::unique_ptr<Form>& slot, std::unique_ptr<Form> form);
    void connectForms();

    std::unique_ptr<Prompter> prompter_;
    std::unique_ptr<LineProject> project_;
    std::unique_ptr<FieldProfile> profile_;
    std::unique_ptr<LineDialogState> lineDialog_;
    std::unique_ptr<TowerEditorState> towerEditorState_;
    std::vector<QWidget*> forms_;

    // Destroyed in reverse order: the main window last.
    std::unique_ptr<TW_Main> W_Main;
    std::unique_ptr<TW_EndAsk> W_EndAsk;
    std::unique_ptr<TW_LoadS> W_LoadS;
    std::unique_ptr<TW_About> W_About;
    std::unique_ptr<TW_WspDom> W_WspDom;
    std::unique_ptr<TW_PEkr> W_PEkr;
    std::unique_ptr<TW_NewPrzew> W_NewPrzew;
    std::unique_ptr<TW_Zakl> W_Zakl;
    std::unique_ptr<TW_ZFaz> W_ZFaz;
    std::unique_ptr<TW_UWar> W_UWar;
    std::unique_ptr<TW_PFaz> W_PFaz;
    std::unique_ptr<TW_ZRys> W_ZRys;
    std::unique_ptr<TW_ZObl> W_ZObl;
    std::unique_ptr<TW_Save> W_Save;
    std::unique_ptr<TW_Splash> W_Splash;
    std::unique_ptr<TW_New> W_New;
    std::unique_ptr<TW_PRob> W_PRob;
    std::unique_ptr<TW_NPOdg> W_NPOdg;
    std::unique_ptr<TW_PrzesSlup> W_PrzesSlup;
    std::unique_ptr<TW_Kom> W_Kom;

    std::unique_ptr<TW_Poziomy> poziomy_;
    std::unique_ptr<HelpViewer> help_;
    std::unique_ptr<DesktopCalculationUi> calculationUi_;
    std::unique_ptr<ProjectDocument> document_;
};

} // namespace velt
