#pragma once
// The common ground of the program's modal dialogs: the answers their buttons give.

#include "model/DialogAnswer.h"

#include <QDialog>

class QAbstractButton;
class QKeyEvent;

namespace velt {

/// The answers a dialog closes with (the values the rest of the program compares).
enum ModalResult : int {
    mrNone = 0, ///< still open: a check refused the input
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
    mrNoToAll = 9,
};

/// The answer a dialog's result stands for: mrYes "&Tak", mrNo "&Nie", anything else "Anuluj".
DialogAnswer answerOf(int result);

class ModalDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ModalDialog(QWidget* parent = nullptr);

  protected:
    /// A click on `button` closes the dialog with `result`.
    void closeWith(QAbstractButton* button, int result);
    /// The answer of the Escape key (Cancel unless set).
    void setEscapeResult(int result) { escapeResult_ = result; }
    /// A fixed dialog keeps the size it has when it is first shown.
    void setFixedFrame() { fixedFrame_ = true; }

    /// The window's close button counts as "Anuluj".
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    int escapeResult_ = mrCancel;
    bool fixedFrame_ = false;
};

} // namespace velt
