#pragma once
// The ground wires of the tower editor: their distances from the axis, and bundle data.

#include "dialogs/ConductorListDialog.h"

#include <functional>
#include <memory>

namespace Ui {
class TW_NPOdg;
}

namespace velt {

class TW_NPOdg : public ConductorListDialog {
    Q_OBJECT

  public:
    TW_NPOdg(Prompter& prompter, QWidget* parent = nullptr);
    ~TW_NPOdg() override;

    /// Where "&Tak" finds both lists and the tower editor's two suspension heights.
    void setTowerListSource(std::function<TowerListFields()> source);

    BundleFields bundleFields() const;
    void setBundleFields(const BundleFields& fields);

  public slots:
    void BitBtn3Click(); ///< "&Tak"

  private:
    std::unique_ptr<Ui::TW_NPOdg> ui;
    std::function<TowerListFields()> towerLists_;
};

} // namespace velt
