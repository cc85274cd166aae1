// A prompter for tests.

#include "ScriptedPrompter.h"

#include "GuiTestHelpers.h"
#include "widgets/ModalDialog.h"

#include <QAbstractButton>
#include <QDialog>

#include <gtest/gtest.h>

namespace velt::test {

void ScriptedPrompter::expect(const QString& dialog, Action action) {
    steps_.push_back({dialog, std::move(action)});
}

void ScriptedPrompter::expectAnswer(const QString& dialog, int answer) {
    expect(dialog, [answer](QDialog&) { return answer; });
}

void ScriptedPrompter::expectClick(const QString& dialog, const QString& button) {
    expect(dialog, [button](QDialog& d) { return clickIn(d, button); });
}

void ScriptedPrompter::expectFileName(const QString& name) {
    fileNames_.push_back(name);
}

void ScriptedPrompter::expectQuestion(int answer) {
    answers_.push_back(answer);
}

void ScriptedPrompter::showMessage(const QString& text) {
    messages.append(text);
}

int ScriptedPrompter::exec(QDialog& dialog) {
    dialogs.append(dialog.objectName());
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return mrCancel;
    }
    const Step step = steps_.front();
    steps_.pop_front();
    if (step.dialog != dialog.objectName()) {
        ADD_FAILURE() << "expected dialog " << step.dialog.toStdString() << ", shown "
                      << dialog.objectName().toStdString();
        return mrCancel;
    }
    // Shown like the real thing, so that the dialog's showing handlers run.
    dialog.setResult(mrNone);
    dialog.show();
    const int answer = step.action(dialog);
    dialog.hide();
    return answer;
}

QString ScriptedPrompter::askOpenFileName(QWidget*, const QString& title, const QString& filter) {
    return askNewFileName(nullptr, title, filter);
}

QString ScriptedPrompter::askNewFileName(QWidget*, const QString& title, const QString& filter) {
    titles.append(title);
    filters.append(filter);
    return nextFileName();
}

int ScriptedPrompter::ask(const QString& caption, const QString& text, Question) {
    questions.append(caption + '\n' + text);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question " << text.toStdString();
        return mrCancel;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QString ScriptedPrompter::askSaveFileName(QWidget*, const QString& title, const QString& filter) {
    fileQuestions.append(title + QStringLiteral("|") + filter);
    return nextFileName();
}

QString ScriptedPrompter::nextFileName() {
    if (fileNames_.empty()) {
        ADD_FAILURE() << "unexpected file question";
        return {};
    }
    QString name = fileNames_.front();
    fileNames_.pop_front();
    return name;
}

int clickIn(QDialog& dialog, const QString& button) {
    child<QAbstractButton>(dialog, button).click();
    return dialog.result();
}

} // namespace velt::test
