#pragma once
// The splash window, shown once at the first showing of the main window and closed by its
// timer or its OK button.

#include "widgets/ModalDialog.h"

#include <memory>

class QTimer;

namespace Ui {
class TW_Splash;
}

namespace velt {

class TW_Splash : public ModalDialog {
    Q_OBJECT

  public:
    /// How long the splash stays, counted from its creation at start-up.
    static constexpr int kShowMilliseconds = 5000;

    explicit TW_Splash(QWidget* parent = nullptr);
    ~TW_Splash() override;

    QTimer& timer() { return *Timer1; }

  public slots:
    void Timer1Timer();

  private:
    std::unique_ptr<Ui::TW_Splash> ui;
    QTimer* Timer1;
};

} // namespace velt
