// The shared part of the tower editor's list editors.

#include "editor/TowerListDialog.h"

#include "toweredit/TowerAssembly.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace velt {

TowerListDialog::TowerListDialog(ConductorEditor editor, Prompter& prompter, QWidget* parent)
    : ConductorListDialog(editor, prompter, parent) {}

void TowerListDialog::attach(const Controls& controls, const BundleEdits& bundle) {
    controls.list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ConductorListDialog::attach(controls);
    bundle_ = bundle;
}

void TowerListDialog::setTowerListSource(std::function<TowerListFields()> source) {
    towerLists_ = std::move(source);
}

BundleFields TowerListDialog::bundleFields() const {
    return {bundle_.diameter->text().toStdString(), bundle_.bundleCount->text().toStdString(),
            bundle_.bundleSpacing->text().toStdString()};
}

void TowerListDialog::setBundleFields(const BundleFields& fields) {
    bundle_.diameter->setText(QString::fromStdString(fields.diameter));
    bundle_.bundleCount->setText(QString::fromStdString(fields.bundleCount));
    bundle_.bundleSpacing->setText(QString::fromStdString(fields.bundleSpacing));
}

std::optional<std::string> TowerListDialog::addRefusal() const {
    const TowerListFields lists = towerLists_ ? towerLists_() : TowerListFields{};
    return newRowRefusal(lists.workingRows.size(), lists.groundRows.size());
}

void TowerListDialog::BitBtn3Click() {
    const TowerListFields lists = towerLists_ ? towerLists_() : TowerListFields{};
    const TowerListAccept answer = acceptTowerList(editor(), lists, bundleFields());
    if (!answer.selected.empty()) {
        selectRows(answer.selected);
    }
    closeUnlessRefused(answer.message, mrOk);
}

} // namespace velt
