#pragma once
// The tower shift: how far the tower axis lies from the axis of the profile.

#include "model/LineProject.h"
#include "widgets/ModalDialog.h"

#include <memory>

namespace Ui {
class TW_PrzesSlup;
}

namespace velt {

class Prompter;

class TW_PrzesSlup : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_PrzesSlup(Prompter& prompter, LineProject& project, QWidget* parent = nullptr);
    ~TW_PrzesSlup() override;

    QString text() const;
    /// A tower choice writes "0.0" here; the stored shift stays as it was.
    void setText(const QString& text);

  public slots:
    void FormShow();
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TW_PrzesSlup> ui;
    Prompter& prompter_;
    LineProject& project_;
};

} // namespace velt
