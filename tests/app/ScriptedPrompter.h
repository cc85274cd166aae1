#pragma once
// A prompter for tests: answers every message box and modal dialog from a script and
// records what was asked.

#include "widgets/Prompter.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class QDialog;

namespace velt::test {

class ScriptedPrompter : public Prompter {
  public:
    /// What to do with a dialog while it is shown; returns its answer.
    using Action = std::function<int(QDialog&)>;

    /// The next modal dialog must be `dialog` (its object name); `action` answers it.
    void expect(const QString& dialog, Action action);
    /// The next modal dialog `dialog` closes with `answer` without any of its buttons.
    void expectAnswer(const QString& dialog, int answer);
    /// The next modal dialog `dialog` gets a click on `button`; the answer is what the
    /// button leaves as the dialog's result (0 while a check keeps it open).
    void expectClick(const QString& dialog, const QString& button);
    /// The next file question is answered with `name` (empty: cancelled).
    void expectFileName(const QString& name);
    /// The next question box is answered with `answer` (a ModalResult).
    void expectQuestion(int answer);

    /// Whether every scripted step was used.
    bool finished() const { return steps_.empty() && fileNames_.empty() && answers_.empty(); }

    QStringList messages;      ///< texts of the message boxes, in order
    QStringList dialogs;       ///< object names of the dialogs shown, in order
    QStringList filters;       ///< filters of the open-file and new-file questions, in order
    QStringList titles;        ///< titles of those questions, in order
    QStringList fileQuestions; ///< "title|filter" of each save-file question, in order
    QStringList questions;     ///< caption, a line end and text of each question box, in order
    int beeps = 0;

    void showMessage(const QString& text) override;
    int exec(QDialog& dialog) override;
    QString askOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString askSaveFileName(QWidget* parent, const QString& title = {},
                            const QString& filter = {}) override;
    QString askNewFileName(QWidget* parent, const QString& title, const QString& filter) override;
    int ask(const QString& caption, const QString& text, Question buttons) override;
    void beep() override { ++beeps; }

  private:
    struct Step {
        QString dialog;
        Action action;
    };
    std::deque<Step> steps_;
    std::deque<QString> fileNames_;
    std::deque<int> answers_;

    QString nextFileName();
};

/// Clicks the button named `button` inside `dialog` and returns the dialog's result.
int clickIn(QDialog& dialog, const QString& button);

} // namespace velt::test
