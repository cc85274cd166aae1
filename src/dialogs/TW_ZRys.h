#pragma once
// The drawing range: how much of the computed profile the graph shows.

#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_ZRys;
}

namespace velt {

class TW_ZRys : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_ZRys(QWidget* parent = nullptr);
    ~TW_ZRys() override;

    QString text() const;
    void setText(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TW_ZRys> ui;
};

} // namespace velt
