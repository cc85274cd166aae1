#pragma once
// The calculation range: the length of the line the field is computed along.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_ZObl;
}

namespace velt {

class TW_ZObl : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_ZObl(QWidget* parent = nullptr);
    ~TW_ZObl() override;

    QString text() const;
    void setText(const QString& text);

  private:
    std::unique_ptr<Ui::TW_ZObl> ui;
};

} // namespace velt
