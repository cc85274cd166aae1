#pragma once
// The question about saving one variant while the program ends.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_Save;
}

namespace velt {

class TW_Save : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_Save(QWidget* parent = nullptr);
    ~TW_Save() override;

  private:
    std::unique_ptr<Ui::TW_Save> ui;
};

} // namespace velt
