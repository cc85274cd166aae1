#pragma once
// The exit question: "Zakończenie programu?" with Tak, Nie and Anuluj.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_EndAsk;
}

namespace velt {

class TW_EndAsk : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_EndAsk(QWidget* parent = nullptr);
    ~TW_EndAsk() override;

  private:
    std::unique_ptr<Ui::TW_EndAsk> ui;
};

} // namespace velt
