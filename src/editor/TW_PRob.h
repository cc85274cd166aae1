#pragma once
// The working conductors of the tower editor: positions relative to the lowest one, and bundle
// data.

#include "dialogs/ConductorListDialog.h"

#include <functional>
#include <memory>

namespace Ui {
class TW_PRob;
}

namespace velt {

class TW_PRob : public ConductorListDialog {
    Q_OBJECT

  public:
    TW_PRob(Prompter& prompter, QWidget* parent = nullptr);
    ~TW_PRob() override;

    /// Where "&Tak" finds both lists and the tower editor's two suspension heights.
    void setTowerListSource(std::function<TowerListFields()> source);

    BundleFields bundleFields() const;
    void setBundleFields(const BundleFields& fields);

  public slots:
    void BitBtn3Click(); ///< "&Tak"

  private:
    std::unique_ptr<Ui::TW_PRob> ui;
    std::function<TowerListFields()> towerLists_;
};

} // namespace velt
