#pragma once
// The building coordinates: the front-top point and the roof-end point of the building.

#include "model/LineDataForm.h"
#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_WspDom;
}

namespace velt {

class TW_WspDom : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_WspDom(QWidget* parent = nullptr);
    ~TW_WspDom() override;

    /// The four fields as typed.
    BuildingForm form() const;
    /// Puts the four fields back to "0.00" (the building choice was cancelled).
    void resetFields();
    /// Shows the given coordinates (a loaded project).
    void showForm(const BuildingForm& form);

  private:
    std::unique_ptr<Ui::TW_WspDom> ui;
};

} // namespace velt
