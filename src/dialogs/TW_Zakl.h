#pragma once
// The radio-interference parameters: the observation point's distance and the frequency.

#include "model/LineDataForm.h"
#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_Zakl;
}

namespace velt {

class TW_Zakl : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_Zakl(QWidget* parent = nullptr);
    ~TW_Zakl() override;

    InterferenceForm form() const;
    /// Puts both fields back to "0.00" (the interference choice was cancelled).
    void resetFields();
    /// Shows the given parameters (a loaded project).
    void showForm(const InterferenceForm& form);

  private:
    std::unique_ptr<Ui::TW_Zakl> ui;
};

} // namespace velt
