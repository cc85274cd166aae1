#pragma once
// The largest phase currents of the first and the second circuit.

#include "model/LineDataForm.h"
#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_PFaz;
}

namespace velt {

class Prompter;

class TW_PFaz : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_PFaz(Prompter& prompter, QWidget* parent = nullptr);
    ~TW_PFaz() override;

    PhaseCurrentForm form() const;
    /// "Drugi tor" is enabled only for towers with two circuits.
    void setSecondCircuitEnabled(bool enabled);
    /// Shows the given currents and enabling (a loaded project).
    void showForm(const PhaseCurrentForm& form);

  public slots:
    void BitBtn1Click();

  private:
    std::unique_ptr<Ui::TW_PFaz> ui;
    Prompter& prompter_;
};

} // namespace velt
