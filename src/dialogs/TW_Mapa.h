#pragma once
// "Mapa pola": the grid of a field map, checked before anything is computed.

#include "analysis/FieldMapGrid.h"
#include "widgets/ModalDialog.h"

class QLineEdit;

namespace velt {

class Prompter;

class TW_Mapa : public ModalDialog {
    Q_OBJECT

  public:
    /// The grid over `project` and `form`, the range proposed as `range`; the top and the
    /// steps start empty (their defaults).
    TW_Mapa(Prompter& prompter, const LineProject& project, const LineDataForm& form, double range,
            QWidget* parent = nullptr);

    /// The grid "&Tak" accepted.
    const FieldMapGrid& grid() const { return grid_; }

  private:
    FieldMapRequest request() const;
    /// "&Tak": closes only on a grid that fieldMapGrid accepts, else shows why not.
    void BitBtn1Click();

    Prompter& prompter_;
    const LineProject& project_;
    const LineDataForm& form_;
    QLineEdit* range_;
    QLineEdit* top_;
    QLineEdit* stepX_;
    QLineEdit* stepY_;
    FieldMapGrid grid_;
};

} // namespace velt
