// The lines beside the main one.

#include "dialogs/TW_LinieSas.h"

#include "calc/CorridorChecks.h"
#include "calc/NeighbourConductors.h"
#include "dialogs/TW_LiniaSas.h"
#include "linedata/NeighbourTexts.h"
#include "widgets/DialogFoot.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velt {

TW_LinieSas::TW_LinieSas(Prompter& prompter, TW_LiniaSas& editor, QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), editor_(editor),
      table_(new QTableWidget(0, kNeighbourColumns)) {
    setObjectName(QStringLiteral("TW_LinieSas"));
    setWindowTitle(tr("Linie sąsiednie"));
    table_->setObjectName(QStringLiteral("StringGrid1"));
    table_->setHorizontalHeaderLabels({tr("Opis"), tr("Słup"), tr("Odległość [m]"),
                                       tr("Wys. rob. [m]"), tr("Wys. odg. [m]"), tr("U [kV]"),
                                       tr("I [A]"), tr("Kąt [°]"), tr("Kolejność faz")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumHeight(160);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &TW_LinieSas::BitBtn4Click);

    auto* add = namedButton(tr("&Dodaj"), "BitBtn3");
    auto* change = namedButton(tr("&Zmień"), "BitBtn4");
    auto* remove = namedButton(tr("&Usuń"), "BitBtn5");
    connect(add, &QPushButton::clicked, this, &TW_LinieSas::BitBtn3Click);
    connect(change, &QPushButton::clicked, this, &TW_LinieSas::BitBtn4Click);
    connect(remove, &QPushButton::clicked, this, &TW_LinieSas::BitBtn5Click);
    const DialogFoot foot = dialogFoot({add, change, remove});
    closeWith(foot.yes, mrYes);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(foot.layout);
    setMinimumWidth(720);
}

void TW_LinieSas::showLines(const std::vector<NeighbourLine>& lines, bool magnetic) {
    lines_ = lines;
    magnetic_ = magnetic;
    showTable(lines_.empty() ? -1 : 0);
}

void TW_LinieSas::showTable(int selected) {
    table_->setRowCount(static_cast<int>(lines_.size()));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto cells = neighbourRow(lines_[i]);
        for (int column = 0; column < kNeighbourColumns; ++column) {
            const QString text = QString::fromStdString(cells[static_cast<std::size_t>(column)]);
            table_->setItem(static_cast<int>(i), column, new QTableWidgetItem(text));
        }
    }
    table_->setCurrentCell(selected, 0);
}

void TW_LinieSas::BitBtn3Click() {
    if (lines_.size() >= static_cast<std::size_t>(kMaxNeighbourLines)) {
        prompter_.showMessage(QCoreApplication::translate("velt", kTooManyLinesMessage.c_str()));
        return;
    }
    editor_.showLine(nullptr, magnetic_);
    if (prompter_.exec(editor_) == mrYes) {
        lines_.push_back(editor_.line());
        showTable(static_cast<int>(lines_.size()) - 1);
    }
}

void TW_LinieSas::BitBtn4Click() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) {
        return;
    }
    editor_.showLine(&lines_[static_cast<std::size_t>(row)], magnetic_);
    if (prompter_.exec(editor_) == mrYes) {
        lines_[static_cast<std::size_t>(row)] = editor_.line();
        showTable(row);
    }
}

void TW_LinieSas::BitBtn5Click() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) {
        return;
    }
    lines_.erase(lines_.begin() + row);
    showTable(std::min(row, static_cast<int>(lines_.size()) - 1));
}

} // namespace velt
