// The ground wires of the tower editor.

#include "editor/TW_NPOdg.h"

#include "ui_TW_NPOdg.h"
#include "widgets/Prompter.h"

namespace velt {

TW_NPOdg::TW_NPOdg(Prompter& prompter, QWidget* parent)
    : ConductorListDialog(ConductorEditor::GroundWires, prompter, parent),
      ui(std::make_unique<Ui::TW_NPOdg>()) {
    ui->setupUi(this);
    ui->ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The height of a ground wire is kept but plays no part, so it is not shown.
    ui->ListView1->setColumnHidden(1, true);
    attach({ui->ListView1, ui->Edit1, ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, nullptr});
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TW_NPOdg::BitBtn3Click);
    closeWith(ui->BitBtn5, mrCancel);
}

TW_NPOdg::~TW_NPOdg() = default;

void TW_NPOdg::setTowerListSource(std::function<TowerListFields()> source) {
    towerLists_ = std::move(source);
}

BundleFields TW_NPOdg::bundleFields() const {
    return {ui->Edit2->text().toStdString(), ui->Edit3->text().toStdString(),
            ui->Edit4->text().toStdString()};
}

void TW_NPOdg::setBundleFields(const BundleFields& fields) {
    ui->Edit2->setText(QString::fromStdString(fields.diameter));
    ui->Edit3->setText(QString::fromStdString(fields.bundleCount));
    ui->Edit4->setText(QString::fromStdString(fields.bundleSpacing));
}

void TW_NPOdg::BitBtn3Click() {
    const TowerListFields lists = towerLists_ ? towerLists_() : TowerListFields{};
    const TowerListAccept answer =
        acceptTowerList(ConductorEditor::GroundWires, lists, bundleFields());
    if (!answer.selected.empty()) {
        selectRows(answer.selected);
    }
    if (answer.message) {
        prompter_.showMessage(QString::fromStdString(*answer.message));
        return;
    }
    done(mrOk);
}

} // namespace velt
