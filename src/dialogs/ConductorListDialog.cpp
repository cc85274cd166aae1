// The shared behaviour of the conductor-list editors.

#include "dialogs/ConductorListDialog.h"

#include "dialogs/TW_NewPrzew.h"
#include "widgets/Prompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace velt {

ConductorListDialog::ConductorListDialog(ConductorEditor editor, Prompter& prompter,
                                         QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), editor_(editor) {}

void ConductorListDialog::attach(const Controls& controls) {
    controls_ = controls;
    connect(controls_.add, &QPushButton::clicked, this, &ConductorListDialog::BitBtn1Click);
    connect(controls_.remove, &QPushButton::clicked, this, &ConductorListDialog::BitBtn2Click);
    connect(controls_.accept, &QPushButton::clicked, this, &ConductorListDialog::BitBtn3Click);
    if (controls_.no != nullptr) {
        closeWith(controls_.no, mrNo);
    }
    closeWith(controls_.cancel, mrCancel);
}

void ConductorListDialog::closeUnlessRefused(const std::optional<std::string>& refusal,
                                             int result) {
    if (refusal) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    done(result);
}

void ConductorListDialog::setRows(std::vector<ConductorRow> rows) {
    rows_ = std::move(rows);
    lock_ = {};
    refillList();
    unlock();
    if (editor_ != ConductorEditor::ShieldWires) {
        showCount();
    }
}

std::optional<std::size_t> ConductorListDialog::selectedRow() const {
    const auto selected = controls_.list->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    // With several entries selected (an overlap), the first one counts.
    std::optional<std::size_t> first;
    for (auto* item : selected) {
        const auto row = static_cast<std::size_t>(controls_.list->indexOfTopLevelItem(item));
        if (!first || row < *first) {
            first = row;
        }
    }
    return first;
}

void ConductorListDialog::BitBtn1Click() {
    if (newConductor_ == nullptr) {
        return;
    }
    if (const auto refusal = addRefusal()) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    if (editor_ != ConductorEditor::ShieldWires) {
        newConductor_->setHeightEnabled(editor_ == ConductorEditor::WorkingConductors);
    }
    if (prompter_.exec(*newConductor_) == mrYes) {
        const AddRowResult added = addConductorRow(rows_, lock_, editor_, newConductor_->row());
        if (added.added) {
            refillList();
            showCount();
        }
        for (int i = 0; i < added.duplicatePairs; ++i) {
            prompter_.showMessage(QString::fromStdString(kDuplicateRowsMessage));
        }
        applyLock();
    }
    if (editor_ != ConductorEditor::ShieldWires) {
        newConductor_->setHeightEnabled(true);
    }
}

void ConductorListDialog::BitBtn2Click() {
    if (deleteConductorRow(rows_, lock_, selectedRow())) {
        refillList();
        showCount();
        unlock();
    }
}

void ConductorListDialog::showCount() {
    controls_.count->setText(QString::number(rows_.size()));
}

void ConductorListDialog::unlock() {
    for (QWidget* control :
         {static_cast<QWidget*>(controls_.add), static_cast<QWidget*>(controls_.accept),
          static_cast<QWidget*>(controls_.no), static_cast<QWidget*>(controls_.list)}) {
        if (control != nullptr) {
            control->setEnabled(true);
        }
    }
}

void ConductorListDialog::selectRows(const std::vector<std::size_t>& rows) {
    controls_.list->clearSelection();
    for (const std::size_t row : rows) {
        if (auto* item = controls_.list->topLevelItem(static_cast<int>(row))) {
            item->setSelected(true);
        }
    }
}

void ConductorListDialog::refillList() {
    controls_.list->clear();
    for (const ConductorRow& row : rows_) {
        auto* item = new QTreeWidgetItem(controls_.list);
        item->setText(0, QString::fromStdString(row.distance));
        item->setText(1, QString::fromStdString(row.height));
    }
}

void ConductorListDialog::applyLock() {
    if (!lock_.locked) {
        return;
    }
    controls_.add->setEnabled(false);
    controls_.accept->setEnabled(false);
    if (controls_.no != nullptr) {
        controls_.no->setEnabled(false);
    }
    if (lock_.selected) {
        selectRows({*lock_.selected});
        controls_.list->setCurrentItem(
            controls_.list->topLevelItem(static_cast<int>(*lock_.selected)));
    }
    controls_.list->setEnabled(false);
}

} // namespace velt
