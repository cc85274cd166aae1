#pragma once
// The ground wires of the tower editor: their distances from the axis, and bundle data.

#include "editor/TowerListDialog.h"

#include <memory>

namespace Ui {
class TW_NPOdg;
}

namespace velt {

class TW_NPOdg : public TowerListDialog {
    Q_OBJECT

  public:
    TW_NPOdg(Prompter& prompter, QWidget* parent = nullptr);
    ~TW_NPOdg() override;

  private:
    std::unique_ptr<Ui::TW_NPOdg> ui;
};

} // namespace velt
