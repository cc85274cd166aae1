// A tower from a catalogue for the line-data dialog.

#include "dialogs/CatalogueTowerDialog.h"

#include "ui_CatalogueTowerDialog.h"
#include "widgets/FileFilter.h"
#include "widgets/Prompter.h"
#include "widgets/ShownText.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <algorithm>
#include <climits>

namespace velt {

namespace {

// Remembers whether the catalogue said anything, so that a silent refusal gets a message.
class MessageWatch : public CatalogueUi {
  public:
    explicit MessageWatch(CatalogueUi& ui) : ui_(ui) {}
    void showMessage(const std::string& text) override {
        shown = true;
        ui_.showMessage(text);
    }
    bool confirm(const std::string& question) override { return ui_.confirm(question); }
    void setStatus(const std::string& text) override { ui_.setStatus(text); }
    void setProgressMaximum(std::size_t maximum) override { ui_.setProgressMaximum(maximum); }
    void advanceProgress() override { ui_.advanceProgress(); }

    bool shown = false;

  private:
    CatalogueUi& ui_;
};

} // namespace

CatalogueTowerDialog::CatalogueTowerDialog(QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::CatalogueTowerDialog>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrCancel);
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, [this] { done(mrYes); });
}

CatalogueTowerDialog::~CatalogueTowerDialog() = default;

void CatalogueTowerDialog::setKeys(const std::vector<std::string>& keys) {
    ui->ListBox1->clear();
    for (const std::string& key : keys) {
        ui->ListBox1->addItem(QString::fromStdString(key));
    }
    ui->ListBox1->setCurrentRow(keys.empty() ? -1 : 0);
}

std::optional<std::string> CatalogueTowerDialog::chosenKey() const {
    const QListWidgetItem* item = ui->ListBox1->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return std::nullopt;
    }
    return item->text().toStdString();
}

GaugeCatalogueUi::GaugeCatalogueUi(Prompter& prompter, QProgressBar& gauge,
                                   std::function<void(const QString&)> status)
    : prompter_(prompter), gauge_(gauge), status_(std::move(status)) {}

void GaugeCatalogueUi::showMessage(const std::string& text) {
    prompter_.showMessage(QString::fromStdString(text));
}

void GaugeCatalogueUi::setStatus(const std::string& text) {
    status_(shownText(text));
}

void GaugeCatalogueUi::setProgressMaximum(std::size_t maximum) {
    gauge_.setMaximum(static_cast<int>(std::clamp<std::size_t>(maximum, 1, INT_MAX)));
    gauge_.setValue(0);
}

void GaugeCatalogueUi::advanceProgress() {
    gauge_.setValue(std::min(gauge_.value() + 1, gauge_.maximum()));
}

std::optional<TowerDefinition> askCatalogueTower(QWidget* parent, Prompter& prompter,
                                                 CatalogueTowerDialog& picker, CatalogueUi& ui) {
    const QString name = prompter.askOpenFileName(
        parent, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Wczytanie danych z pliku")),
        qtFileFilter(QString::fromUtf8(kTowerDataFilter)));
    if (name.isEmpty()) {
        return std::nullopt;
    }
    const std::string path = name.toStdString();
    MessageWatch watch(ui);
    const std::vector<std::string> keys = ListTowers(path, watch);
    if (keys.empty()) {
        // A missing data or index file is not reported by the listing itself.
        if (!watch.shown) {
            ui.showMessage(kMissingFilesMessage);
        }
        return std::nullopt;
    }
    picker.setKeys(keys);
    if (prompter.exec(picker) != mrYes) {
        return std::nullopt;
    }
    const std::optional<std::string> key = picker.chosenKey();
    if (!key) {
        return std::nullopt;
    }
    ui.setStatus(QT_TRANSLATE_NOOP("velt", "Szukam słupa..."));
    ui.setProgressMaximum(keys.size());
    std::optional<TowerDefinition> tower = ReadTower(path, *key, watch, keys.size());
    ui.setStatus("");
    if (!tower && !watch.shown) {
        ui.showMessage(kNoSuchTowerMessage);
    }
    return tower;
}

} // namespace velt
