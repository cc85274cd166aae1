#pragma once
// The comment written under the graph of a new variant.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_Kom;
}

namespace velt {

class TW_Kom : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_Kom(QWidget* parent = nullptr);
    ~TW_Kom() override;

    QString text() const;
    void setText(const QString& text);

  private:
    std::unique_ptr<Ui::TW_Kom> ui;
};

} // namespace velt
