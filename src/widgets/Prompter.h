#pragma once
// Every message box, modal dialog and file question of the desktop program goes through
// one prompter, so that tests can answer them without showing anything.

#include <QString>

class QDialog;
class QWidget;

namespace velt {

/// The buttons of a question box.
enum class Question {
    YesNo,       ///< "&Tak", "&Nie"
    YesNoCancel, ///< "&Tak", "&Nie", "Anuluj"
    OkCancel,    ///< "OK", "Anuluj"
};

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
    /// A save-file question with a title and a filter that asks nothing about an existing
    /// file (the caller does); empty when cancelled.
    virtual QString askNewFileName(QWidget* parent, const QString& title,
                                   const QString& filter) = 0;
    /// A question box; returns the answer of the button chosen (mrYes, mrNo, mrOk or
    /// mrCancel). An empty caption is the program's title.
    virtual int ask(const QString& caption, const QString& text, Question buttons) = 0;
    /// The system beep.
    virtual void beep() = 0;
};

/// The prompter of the running program: real message boxes and dialogs.
class WidgetPrompter : public Prompter {
  public:
    void showMessage(const QString& text) override;
    int exec(QDialog& dialog) override;
    QString askOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString askSaveFileName(QWidget* parent, const QString& title = {},
                            const QString& filter = {}) override;
    QString askNewFileName(QWidget* parent, const QString& title, const QString& filter) override;
    int ask(const QString& caption, const QString& text, Question buttons) override;
    void beep() override;
};

} // namespace velt
