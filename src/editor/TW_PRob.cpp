// The working conductors of the tower editor.

#include "editor/TW_PRob.h"

#include "ui_TW_PRob.h"
#include "widgets/Prompter.h"

namespace velt {

TW_PRob::TW_PRob(Prompter& prompter, QWidget* parent)
    : ConductorListDialog(ConductorEditor::WorkingConductors, prompter, parent),
      ui(std::make_unique<Ui::TW_PRob>()) {
    ui->setupUi(this);
    ui->ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    attach({ui->ListView1, ui->Edit1, ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, nullptr});
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TW_PRob::BitBtn3Click);
    closeWith(ui->BitBtn5, mrCancel);
}

TW_PRob::~TW_PRob() = default;

void TW_PRob::setTowerListSource(std::function<TowerListFields()> source) {
    towerLists_ = std::move(source);
}

BundleFields TW_PRob::bundleFields() const {
    return {ui->Edit2->text().toStdString(), ui->Edit3->text().toStdString(),
            ui->Edit4->text().toStdString()};
}

void TW_PRob::setBundleFields(const BundleFields& fields) {
    ui->Edit2->setText(QString::fromStdString(fields.diameter));
    ui->Edit3->setText(QString::fromStdString(fields.bundleCount));
    ui->Edit4->setText(QString::fromStdString(fields.bundleSpacing));
}

void TW_PRob::BitBtn3Click() {
    const TowerListFields lists = towerLists_ ? towerLists_() : TowerListFields{};
    const TowerListAccept answer =
        acceptTowerList(ConductorEditor::WorkingConductors, lists, bundleFields());
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
