#pragma once
// What the tower editor's two list editors (TW_PRob, TW_NPOdg) add to a conductor list: the
// bundle fields, and "&Tak", which checks both lists together.

#include "dialogs/ConductorListDialog.h"

#include <functional>

namespace velt {

class TowerListDialog : public ConductorListDialog {
    Q_OBJECT

  public:
    /// Where "&Tak" finds both lists and the tower editor's two suspension heights.
    void setTowerListSource(std::function<TowerListFields()> source);

    BundleFields bundleFields() const;
    void setBundleFields(const BundleFields& fields);

  public slots:
    void BitBtn3Click() override; ///< "&Tak"

  protected:
    struct BundleEdits {
        QLineEdit* diameter;      ///< Edit2
        QLineEdit* bundleCount;   ///< Edit3
        QLineEdit* bundleSpacing; ///< Edit4
    };

    TowerListDialog(ConductorEditor editor, Prompter& prompter, QWidget* parent);
    /// Connects the buttons and lets several entries be selected (an overlap marks them
    /// all); called once the form is set up.
    void attach(const Controls& controls, const BundleEdits& bundle);
    /// Both lists together stay within what a tower record holds.
    std::optional<std::string> addRefusal() const override;

  private:
    BundleEdits bundle_{};
    std::function<TowerListFields()> towerLists_;
};

} // namespace velt
