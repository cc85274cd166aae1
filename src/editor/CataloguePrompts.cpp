// Catalogue messages and questions as message boxes.

#include "editor/CataloguePrompts.h"

#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"
#include "widgets/ShownText.h"

#include <QFile>
#include <QProgressBar>

#include <algorithm>
#include <climits>

namespace velt {

PromptingCatalogueUi::PromptingCatalogueUi(Prompter& prompter, StatusSink status,
                                           QProgressBar* gauge)
    : prompter_(prompter), status_(std::move(status)), gauge_(gauge) {}

void PromptingCatalogueUi::showMessage(const std::string& text) {
    prompter_.showMessage(QString::fromStdString(text));
}

bool PromptingCatalogueUi::confirm(const std::string& question) {
    return prompter_.ask(QString(), QString::fromStdString(question), Question::YesNo) == mrYes;
}

DialogAnswer PromptingCatalogueUi::askYesNoCancel(const std::string& question) {
    return answerOf(
        prompter_.ask(QString(), QString::fromStdString(question), Question::YesNoCancel));
}

void PromptingCatalogueUi::setStatus(const std::string& text) {
    if (status_) {
        status_(shownText(text));
    }
}

void PromptingCatalogueUi::setProgressMaximum(std::size_t maximum) {
    if (gauge_ != nullptr) {
        // A gauge of range 0..0 would show a busy bar instead of its position.
        gauge_->setRange(0, static_cast<int>(std::clamp<std::size_t>(maximum, 1, INT_MAX)));
        gauge_->setValue(0);
    }
}

void PromptingCatalogueUi::advanceProgress() {
    if (gauge_ != nullptr) {
        gauge_->setValue(std::min(gauge_->value() + 1, gauge_->maximum()));
    }
}

void storeInAskedCatalogue(Prompter& prompter, QWidget* parent, const TowerDefinition& tower,
                           PromptingCatalogueUi& ui) {
    const QString chosen =
        prompter.askNewFileName(parent, kCatalogueFileTitle, kCatalogueFileFilter);
    if (!chosen.isEmpty()) {
        storeInChosenCatalogue(localFileName(chosen), tower, ui);
    }
}

std::string localFileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace velt
