#pragma once
// The question before the user closes a variant window.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_UWar;
}

namespace velt {

class TW_UWar : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_UWar(QWidget* parent = nullptr);
    ~TW_UWar() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TW_UWar> ui;
};

} // namespace velt
