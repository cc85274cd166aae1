#pragma once
// The phase order of a double-circuit line: "RST - RST" or "RST - TRS".

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_ZFaz;
}

namespace velt {

class TW_ZFaz : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_ZFaz(QWidget* parent = nullptr);
    ~TW_ZFaz() override;

    /// 0 "RST - RST", 1 "RST - TRS".
    int choice() const;
    void setChoice(int index);

  private:
    std::unique_ptr<Ui::TW_ZFaz> ui;
};

} // namespace velt
