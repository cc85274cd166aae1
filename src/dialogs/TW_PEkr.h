#pragma once
// The shield wires of the line-data dialog: their positions and their diameter.

#include "dialogs/ConductorListDialog.h"
#include "model/LineProject.h"

#include <memory>

namespace Ui {
class TW_PEkr;
}

namespace velt {

class TW_PEkr : public ConductorListDialog {
    Q_OBJECT

  public:
    TW_PEkr(Prompter& prompter, LineProject& project, QWidget* parent = nullptr);
    ~TW_PEkr() override;

    /// The list and the diameter as typed.
    ShieldWireForm form() const;
    /// Empties the list (the shield-wire choice was cancelled).
    void clearRows();
    /// Shows the given list and diameter (a loaded project).
    void showForm(const ShieldWireForm& form);
    /// After every use by the line-data dialog: "&Dodaj", "&Nie" and "&Tak" usable again
    /// and the count field showing the number of entries. A list that still holds a
    /// duplicate stays locked, so that it cannot be accepted.
    void unlockAfterUse();

  public slots:
    void BitBtn3Click() override; ///< "&Tak"

  private:
    std::unique_ptr<Ui::TW_PEkr> ui;
    LineProject& project_;
};

} // namespace velt
