#pragma once
// The tower editor: a tower type's conductors, bundle data and suspension heights.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_New;
}

namespace velt {

class TW_New : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_New(QWidget* parent = nullptr);
    ~TW_New() override;

    /// Edit6: suspension height of the working conductors, as typed.
    QString workingHeightText() const;
    /// Edit7: suspension height of the ground wires, as typed.
    QString groundHeightText() const;

  private:
    std::unique_ptr<Ui::TW_New> ui;
};

} // namespace velt
