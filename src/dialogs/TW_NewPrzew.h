#pragma once
// One new conductor position for the conductor-list editors.

#include "model/LineDataForm.h"
#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_NewPrzew;
}

namespace velt {

class TW_NewPrzew : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_NewPrzew(QWidget* parent = nullptr);
    ~TW_NewPrzew() override;

    /// The position as typed: distance from the line axis and suspension height.
    ConductorRow row() const;
    /// The ground-wire editor disables the height field while it asks.
    void setHeightEnabled(bool enabled);
    bool heightEnabled() const;

  private:
    std::unique_ptr<Ui::TW_NewPrzew> ui;
};

} // namespace velt
