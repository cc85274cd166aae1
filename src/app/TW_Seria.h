#pragma once
// "Seria obliczeń": the quantity a series varies and its range, and the exposure level the
// series is weighed against, at the largest field or at a distance from the tower axis.

#include "app/SeriesResult.h"
#include "widgets/ModalDialog.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace velt {

class Prompter;

class TW_Seria : public ModalDialog {
    Q_OBJECT

  public:
    /// Offers the quantities and levels of `project`, the current set-up.
    TW_Seria(SeriesProject project, Prompter& prompter, QWidget* parent = nullptr);

    /// The series "&Tak" planned; none before.
    const std::optional<SeriesRequest>& request() const { return request_; }

  private:
    void addQuantities();
    void addLevels();
    void layOut();
    /// The distance is asked where a height target can answer it.
    void ComboBoxChange();
    void BitBtn1Click();
    /// "KEY=FROM:TO:STEP" of what the dialog shows, or "KEY=all" for a choice.
    std::string argument() const;
    /// The distance typed, none when empty; false, with a message, when it is no distance.
    bool readDistance(std::optional<double>& at);
    std::optional<ExposureLimit> chosenLevel() const;

    SeriesProject project_;
    Prompter& prompter_;
    std::vector<ExposureLimit> levels_; ///< after "(brak)" in the list
    QComboBox* quantity_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* step_;
    QComboBox* level_;
    QLineEdit* distance_;
    std::optional<SeriesRequest> request_;
};

} // namespace velt
