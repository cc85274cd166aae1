#pragma once
// The line data: tower, suspension heights, field, calculation line and the companions.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_LoadS;
}

namespace velt {

class TW_LoadS : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_LoadS(QWidget* parent = nullptr);
    ~TW_LoadS() override;

  private:
    std::unique_ptr<Ui::TW_LoadS> ui;
};

} // namespace velt
