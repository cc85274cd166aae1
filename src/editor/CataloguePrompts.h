#pragma once
// The catalogue operations' messages and questions as message boxes, their status texts in
// the main window and their progress in a gauge; and the save question that "Zapisz jako"
// and the main window's "Zapisz słup" share.

#include "toweredit/CatalogueCommands.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QProgressBar;
class QWidget;

namespace velt {

class Prompter;

/// The title and filter of the file dialogs for a catalogue's data file.
inline const QString kCatalogueFileTitle = QStringLiteral(
    QT_TRANSLATE_NOOP("velt", "Podaj nazwę dla pliku *.VELT_data programu VELT 2001"));
inline const QString kCatalogueFileFilter =
    QStringLiteral("Pliki z danymi slupów (*.VELT_data *.VELT_DATA *.velt_data)");

class PromptingCatalogueUi : public TowerCatalogueUi {
  public:
    using StatusSink = std::function<void(const QString&)>;

    /// `gauge` may be null (no progress shown).
    PromptingCatalogueUi(Prompter& prompter, StatusSink status, QProgressBar* gauge = nullptr);

    void showMessage(const std::string& text) override;
    bool confirm(const std::string& question) override;
    DialogAnswer askYesNoCancel(const std::string& question) override;
    void setStatus(const std::string& text) override;
    void setProgressMaximum(std::size_t maximum) override;
    void advanceProgress() override;

  private:
    Prompter& prompter_;
    StatusSink status_;
    QProgressBar* gauge_;
};

/// Asks for a catalogue in a save dialog and stores `tower` there: a new catalogue, or for an
/// existing one the add-or-start-anew question. Nothing when the dialog is cancelled.
void storeInAskedCatalogue(Prompter& prompter, QWidget* parent, const TowerDefinition& tower,
                           PromptingCatalogueUi& ui);

/// A file name for the catalogue operations, in the file system's own encoding.
std::string localFileName(const QString& name);

} // namespace velt
