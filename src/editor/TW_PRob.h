#pragma once
// The working conductors of the tower editor: positions relative to the lowest one, and bundle
// data.

#include "editor/TowerListDialog.h"

#include <memory>

namespace Ui {
class TW_PRob;
}

namespace velt {

class TW_PRob : public TowerListDialog {
    Q_OBJECT

  public:
    TW_PRob(Prompter& prompter, QWidget* parent = nullptr);
    ~TW_PRob() override;

  private:
    std::unique_ptr<Ui::TW_PRob> ui;
};

} // namespace velt
