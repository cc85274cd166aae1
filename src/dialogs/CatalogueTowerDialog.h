#pragma once
// A tower from a catalogue for the line-data dialog: the catalogue file, one of its towers
// chosen by its key, and the tower read.

#include "model/TowerCatalogue.h"
#include "widgets/ModalDialog.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QProgressBar;

namespace Ui {
class CatalogueTowerDialog;
}

namespace velt {

class Prompter;

/// The towers of one catalogue by their keys ("%s <-> %s"); "&Tak" takes the selected one.
class CatalogueTowerDialog : public ModalDialog {
    Q_OBJECT

  public:
    explicit CatalogueTowerDialog(QWidget* parent = nullptr);
    ~CatalogueTowerDialog() override;

    /// Lists `keys`, the first one selected.
    void setKeys(const std::vector<std::string>& keys);
    /// The selected key, if any.
    std::optional<std::string> chosenKey() const;

  private:
    std::unique_ptr<Ui::CatalogueTowerDialog> ui;
};

/// A catalogue's messages in message boxes, its status texts for the main window, its
/// progress on a gauge.
class GaugeCatalogueUi : public CatalogueUi {
  public:
    GaugeCatalogueUi(Prompter& prompter, QProgressBar& gauge,
                     std::function<void(const QString&)> status);

    void showMessage(const std::string& text) override;
    /// Reading a catalogue asks nothing.
    bool confirm(const std::string&) override { return false; }
    void setStatus(const std::string& text) override;
    void setProgressMaximum(std::size_t maximum) override;
    void advanceProgress() override;

  private:
    Prompter& prompter_;
    QProgressBar& gauge_;
    std::function<void(const QString&)> status_;
};

/// The filter of the file question, as the program writes it.
inline constexpr const char* kTowerDataFilter = "Pliki z danymi słupów (*.VELT_data *.VELT_DATA "
                                                "*.velt_data)|*.VELT_data;*.VELT_DATA;*.velt_data";

/// Asks for a catalogue file (cancelling ends it), lists its towers in `picker` and reads the
/// chosen one. Nothing when the user cancels or the catalogue cannot be read; the
/// catalogue's message has been shown through `ui` then.
std::optional<TowerDefinition> askCatalogueTower(QWidget* parent, Prompter& prompter,
                                                 CatalogueTowerDialog& picker, CatalogueUi& ui);

} // namespace velt
