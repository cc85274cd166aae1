#pragma once
// The tower editor: a tower type's names, voltage, conductors, bundle data and suspension
// heights, its drawing, and the catalogue it is read from and saved into.

#include "toweredit/TowerEditorState.h"
#include "widgets/ModalDialog.h"

#include <memory>
#include <optional>

class QMenuBar;

namespace Ui {
class TW_New;
}

namespace velt {

class Prompter;
class PromptingCatalogueUi;
class TW_NPOdg;
class TW_PRob;
class TowerListDialog;
struct AssembledTower;

class TW_New : public ModalDialog {
    Q_OBJECT

  public:
    TW_New(Prompter& prompter, TowerEditorState& state, QWidget* parent = nullptr);
    ~TW_New() override;

    /// The list editors are created after the tower editor.
    void setConductorEditors(TW_PRob& working, TW_NPOdg& ground);

    /// Edit6: suspension height of the working conductors, as typed.
    QString workingHeightText() const;
    /// Edit7: suspension height of the ground wires, as typed.
    QString groundHeightText() const;

  signals:
    /// A text for the main window's second status panel.
    void statusMessage(const QString& text);

  public slots:
    void SpeedButton3Click();    ///< open a catalogue
    void ComboBox1Change();      ///< read the chosen tower
    void BitBtn1Click();         ///< "Zapisz"
    void BitBtn2Click();         ///< "Zapisz jako"
    void Limo();                 ///< "Testuj"
    void BitBtn4Click();         ///< "Zakończ"
    void Ususup1Click();         ///< delete the tower read last from the catalogue
    void SpeedButton1Click();    ///< edit the working conductors
    void SpeedButton2Click();    ///< edit the ground wires
    void VELT99VELT20011Click(); ///< convert an old tower list
    void Edit6KeyUp();           ///< the height check
    void Edit7KeyUp();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setUpMenu();
    void heightCheck();
    void editConductors(TowerListDialog& shown, bool groundWires);
    void fillConductorEditors(const TowerEditorLists& lists, bool withBundles);
    void showTower(const TowerDefinition& tower);
    void paintTower(QPainter& painter, QSize size) const;
    TowerEditorFields fields() const;
    TowerEditorLists lists() const;
    /// The assembled tower, or nothing after its message was shown.
    std::optional<TowerDefinition> assembled();
    PromptingCatalogueUi catalogueUi();

    Prompter& prompter_;
    TowerEditorState& state_;
    TW_PRob* working_ = nullptr;
    TW_NPOdg* ground_ = nullptr;
    std::unique_ptr<Ui::TW_New> ui;
    QMenuBar* menu_ = nullptr;
};

} // namespace velt
