#pragma once
// Every message box, modal dialog and file question of the desktop program goes through
// one prompter, so that tests can answer them without showing anything.

#include <QString>

class QDialog;
class QWidget;

namespace velt {

class Prompter {
  public:
    virtual ~Prompter() = default;

    /// A plain message box with a fixed text and an OK button.
    virtual void showMessage(const QString& text) = 0;
    /// Shows `dialog` modally and returns the answer it closed with (a ModalResult).
    virtual int exec(QDialog& dialog) = 0;
    /// An open-file question; empty when cancelled.
    virtual QString askOpenFileName(QWidget* parent, const QString& title,
                                    const QString& filter) = 0;
    /// A save-file question, by default without title or filter of its own; empty when
    /// cancelled.
    virtual QString askSaveFileName(QWidget* parent, const QString& title = {},
                                    const QString& filter = {}) = 0;
};

/// The prompter of the running program: real message boxes and dialogs.
class WidgetPrompter : public Prompter {
  public:
    void showMessage(const QString& text) override;
    int exec(QDialog& dialog) override;
    QString askOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString askSaveFileName(QWidget* parent, const QString& title = {},
                            const QString& filter = {}) override;
};

} // namespace velt
