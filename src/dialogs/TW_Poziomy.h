#pragma once
// "Poziomy dopuszczalne": the exposure limits whose zones a calculation finds, and the unit
// of the magnetic field beside the report.

#include "model/CalculationOptions.h"
#include "widgets/ModalDialog.h"

#include <vector>

class QCheckBox;
class QRadioButton;
class QTableWidget;

namespace velt {

class Prompter;

class TW_Poziomy : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_Poziomy(Prompter& prompter, QWidget* parent = nullptr);

    /// Shows the chosen limits and unit of `options`.
    void showOptions(const CalculationOptions& options);
    /// Puts what the dialog shows into `options` (after "&Tak").
    void takeOptions(CalculationOptions& options) const;

  private:
    /// The limits as the dialog shows them: the built-in ones ticked, then the own rows.
    std::vector<ExposureLimit> shownLimits() const;
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();

    Prompter& prompter_;
    std::vector<QCheckBox*> builtIn_;
    QTableWidget* own_;
    QRadioButton* amperes_;
    QRadioButton* microtesla_;
};

} // namespace velt
