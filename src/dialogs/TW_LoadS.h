#pragma once
// The line data: tower, suspension heights, field, calculation line and the companions.

#include "linedata/LineDataChecks.h"
#include "linedata/LineSetup.h"
#include "linedata/TowerList.h"
#include "model/LineProject.h"
#include "widgets/ModalDialog.h"

#include <memory>
#include <optional>

class QCheckBox;

namespace Ui {
class TW_LoadS;
}

namespace velt {

class CatalogueTowerDialog;
class Prompter;
class TW_PEkr;
class TW_PFaz;
class TW_LiniaSas;
class TW_LinieSas;
class TW_PrzesSlup;
class TW_WspDom;
class TW_ZFaz;
class TW_Zakl;

/// The dialogs the line-data dialog opens; they are created after it.
struct LineDataCompanions {
    TW_WspDom* building = nullptr;
    TW_PEkr* shieldWires = nullptr;
    TW_Zakl* interference = nullptr;
    TW_ZFaz* phaseOrder = nullptr;
    TW_PFaz* currents = nullptr;
    TW_PrzesSlup* towerShift = nullptr;
};

class TW_LoadS : public ModalDialog {
    Q_OBJECT

  public:
    TW_LoadS(Prompter& prompter, LineProject& project, LineDialogState& state,
             QWidget* parent = nullptr);
    ~TW_LoadS() override;

    void setCompanions(const LineDataCompanions& companions) { companions_ = companions; }
    /// The tower editor's test tower ("Testuj"); it is listed from the next showing on.
    void setTestTower(std::optional<TowerDefinition> tower);
    /// Before a showing: the list entry to select (-1: none). An entry that is listed only
    /// while the dialog is shown (the test tower) is selected when it appears.
    void selectTower(int index);
    /// The texts and choices of the dialog and its companions as they stand now.
    const LineDataForm& collectForm();
    /// Shows the state and tower choice of a line set up without the dialog (a loaded
    /// project) in it and its companions, with the controls enabled as the user's clicks
    /// would leave them. A tower from outside the built-in list is listed like a catalogue
    /// tower and the project records its entry.
    void showState();
    /// The table of the lines beside the main one; true when the user changed them. The
    /// field chosen in the dialog decides whether every circuit needs its current.
    bool editNeighbourLines();

  signals:
    /// "Nowy słup": the tower editor is wanted.
    void newTowerRequested();
    /// A text for the main window's second status panel.
    void statusMessage(const QString& text);
    /// "Linie sąsiednie...": the same command as the "Słup" menu's, which keeps the options.
    void neighbourLinesRequested();

  public slots:
    void ComboBox1Change();
    void SpeedButton1Click(); ///< a tower from a catalogue
    void WYSZAW();            ///< the height check
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void CheckBox1Click(); ///< "Przewody ekranujące"
    void CheckBox2Click(); ///< "Budynek", and its edit button
    void CheckBox3Click(); ///< "Zakł. na przewodach?"
    void BitBtn1Click();   ///< "&Tak": the OK chain
    void BitBtn4Click();   ///< "Zmiana faz!"
    void BitBtn6Click();   ///< phase voltages or currents
    void BitBtn7Click();   ///< "Przesunięcie słupa"
    void FormShow();
    void FormHide();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void connectControls();
    /// The choice steps for the selected entry: data, enabling, status, gauge, heights.
    void chooseSelectedTower();
    /// Lists a tower read from outside the built-in list; its entry.
    int listTower(const TowerDefinition& tower);
    void showTowerChoice();
    void applyLineFieldRule();
    void applyPhaseValuesRule();
    void applyInterferenceRule();
    void showIndicator();
    /// A check box's step: its message, its state.
    void applyStep(QCheckBox& box, const CheckBoxStep& step);

    std::unique_ptr<Ui::TW_LoadS> ui;
    std::unique_ptr<CatalogueTowerDialog> cataloguePicker_;
    std::unique_ptr<TW_LiniaSas> neighbourEditor_;
    std::unique_ptr<TW_LinieSas> neighbourTable_;
    Prompter& prompter_;
    LineProject& project_;
    LineDialogState& state_;
    LineDataCompanions companions_;
    TowerList towers_;
    int pendingSelection_ = -1;
};

} // namespace velt
