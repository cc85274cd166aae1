// One line beside the main one.

#include "dialogs/TW_LiniaSas.h"

#include "calc/NeighbourValues.h"
#include "dialogs/CatalogueTowerDialog.h"
#include "linedata/LineDataChecks.h"
#include "widgets/DialogFoot.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velt {
namespace {

template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

std::string typed(const QLineEdit& edit) {
    return edit.text().toStdString();
}

} // namespace

TW_LiniaSas::TW_LiniaSas(Prompter& prompter, CatalogueTowerDialog& picker, const TowerList& towers,
                         std::function<void(const TowerDefinition&)> listTower, QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), picker_(picker), towers_(towers),
      listTower_(std::move(listTower)), label_(named(new QLineEdit, "Edit1")),
      tower_(named(new QComboBox, "ComboBox1")), offset_(named(new QLineEdit, "Edit2")),
      workingHeight_(named(new QLineEdit, "Edit3")),
      groundWireHeight_(named(new QLineEdit, "Edit4")), voltage_(named(new QLineEdit, "Edit5")),
      firstCurrent_(named(new QLineEdit, "Edit6")), secondCurrent_(named(new QLineEdit, "Edit7")),
      angle_(named(new QLineEdit, "Edit8")), phaseOrder_(named(new QComboBox, "ComboBox2")),
      gauge_(named(new QProgressBar, "CGauge1")) {
    setObjectName(QStringLiteral("TW_LiniaSas"));
    setWindowTitle(tr("Linia sąsiednia"));
    label_->setMaxLength(static_cast<int>(kMaxNeighbourLabelLength));
    phaseOrder_->addItems({QStringLiteral("RST-RST"), QStringLiteral("RST-TRS")});
    gauge_->setMaximumHeight(14);
    gauge_->setValue(0);
    buildFields();
    connect(tower_, &QComboBox::activated, this, &TW_LiniaSas::ComboBox1Change);
    setMinimumWidth(460);
}

void TW_LiniaSas::buildFields() {
    auto* catalogue = named(new QToolButton, "SpeedButton1");
    catalogue->setText(QStringLiteral("..."));
    catalogue->setToolTip(tr("Wczytanie danych z pliku"));
    connect(catalogue, &QToolButton::clicked, this, &TW_LiniaSas::SpeedButton1Click);
    auto* towerRow = new QHBoxLayout;
    towerRow->addWidget(tower_, 1);
    towerRow->addWidget(catalogue);

    const std::pair<QString, QWidget*> fields[] = {
        {tr("Opis linii"), label_},
        {tr("Seria i typ słupa"), nullptr},
        {tr("Odległość od osi słupa linii głównej [m]\n(w lewo ujemna)"), offset_},
        {tr("Wys. zaw. najniższego przew. roboczego [m]"), workingHeight_},
        {tr("Wys. zaw. przewodów odgromowych [m]"), groundWireHeight_},
        {tr("Napięcie linii [kV] (puste: znamionowe)"), voltage_},
        {tr("Prąd fazowy toru 1 [A]"), firstCurrent_},
        {tr("Prąd fazowy toru 2 [A]"), secondCurrent_},
        {tr("Przesunięcie kątów fazowych [°]"), angle_},
        {tr("Kolejność faz toru 2"), phaseOrder_},
    };
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [text, field] : fields) {
        grid->addWidget(named(new QLabel(text), QStringLiteral("Label%1").arg(row + 1)), row, 0);
        if (field != nullptr) {
            grid->addWidget(field, row, 1);
        } else {
            grid->addLayout(towerRow, row, 1);
        }
        ++row;
    }

    const DialogFoot foot = dialogFoot();
    connect(foot.yes, &QPushButton::clicked, this, &TW_LiniaSas::BitBtn1Click);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(gauge_);
    layout->addLayout(foot.layout);
}

void TW_LiniaSas::showLine(const NeighbourLine* line, bool magnetic) {
    magnetic_ = magnetic;
    entries_ = neighbourTowerEntries(towers_);
    const int entry =
        line != nullptr ? neighbourTowerEntry(entries_, line->tower, line->builtInTower) : -1;
    fillTowerList(entry);
    showTexts(line != nullptr ? neighbourTexts(*line) : NeighbourTexts{});
    gauge_->setValue(0);
    label_->setFocus();
}

void TW_LiniaSas::fillTowerList(int selected) {
    tower_->clear();
    for (const NeighbourTowerEntry& entry : entries_) {
        tower_->addItem(shown(entry.text));
    }
    tower_->setCurrentIndex(selected);
    ComboBox1Change();
}

void TW_LiniaSas::showTexts(const NeighbourTexts& texts) {
    label_->setText(shown(texts.label));
    offset_->setText(shown(texts.offset));
    workingHeight_->setText(shown(texts.workingHeight));
    groundWireHeight_->setText(shown(texts.groundWireHeight));
    voltage_->setText(shown(texts.voltage));
    firstCurrent_->setText(shown(texts.currents[0]));
    secondCurrent_->setText(shown(texts.currents[1]));
    angle_->setText(shown(texts.angle.empty() ? "0" : texts.angle));
    phaseOrder_->setCurrentIndex(texts.phaseOrderSwapped ? 1 : 0);
}

NeighbourTexts TW_LiniaSas::typedTexts() const {
    NeighbourTexts texts;
    texts.label = typed(*label_);
    texts.offset = typed(*offset_);
    texts.workingHeight = typed(*workingHeight_);
    texts.groundWireHeight = typed(*groundWireHeight_);
    texts.voltage = typed(*voltage_);
    texts.currents = {typed(*firstCurrent_), typed(*secondCurrent_)};
    texts.angle = typed(*angle_);
    texts.phaseOrderSwapped = phaseOrder_->currentIndex() == 1;
    return texts;
}

void TW_LiniaSas::ComboBox1Change() {
    const int index = tower_->currentIndex();
    const NeighbourFieldUse use =
        neighbourFieldUse(index >= 0 ? &entries_[static_cast<std::size_t>(index)].tower : nullptr);
    groundWireHeight_->setEnabled(use.groundWireHeight);
    secondCurrent_->setEnabled(use.secondCircuit);
    phaseOrder_->setEnabled(use.secondCircuit);
}

void TW_LiniaSas::SpeedButton1Click() {
    GaugeCatalogueUi catalogue(prompter_, *gauge_,
                               [this](const QString& text) { emit statusMessage(text); });
    const auto tower = askCatalogueTower(this, prompter_, picker_, catalogue);
    gauge_->setValue(0);
    if (!tower) {
        return;
    }
    listTower_(*tower);
    entries_ = neighbourTowerEntries(towers_);
    fillTowerList(neighbourTowerEntry(entries_, *tower, false));
}

void TW_LiniaSas::BitBtn1Click() {
    const int index = tower_->currentIndex();
    if (index < 0) {
        prompter_.showMessage(QCoreApplication::translate("velt", kNoTowerMessage.c_str()));
        tower_->setFocus();
        return;
    }
    const NeighbourTowerEntry& entry = entries_[static_cast<std::size_t>(index)];
    NeighbourLine line = neighbourOfTexts(typedTexts(), entry.tower, entry.builtIn);
    if (const auto refusal = checkNeighbourLine(line, magnetic_)) {
        prompter_.showMessage(QCoreApplication::translate("velt", refusal->message.c_str()));
        fieldOf(refusedField(refusal->key, line))->setFocus();
        return;
    }
    line_ = std::move(line);
    done(mrYes);
}

QWidget* TW_LiniaSas::fieldOf(NeighbourField field) const {
    const std::pair<NeighbourField, QWidget*> fields[] = {
        {NeighbourField::Offset, offset_},
        {NeighbourField::WorkingHeight, workingHeight_},
        {NeighbourField::GroundWireHeight, groundWireHeight_},
        {NeighbourField::Voltage, voltage_},
        {NeighbourField::FirstCurrent, firstCurrent_},
        {NeighbourField::SecondCurrent, secondCurrent_},
        {NeighbourField::Angle, angle_},
    };
    for (const auto& [which, widget] : fields) {
        if (which == field) {
            return widget;
        }
    }
    return tower_;
}

} // namespace velt
