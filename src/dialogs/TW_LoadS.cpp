// The line data.

#include "dialogs/TW_LoadS.h"

#include "dialogs/CatalogueTowerDialog.h"
#include "dialogs/TW_LiniaSas.h"
#include "dialogs/TW_LinieSas.h"
#include "dialogs/TW_PEkr.h"
#include "dialogs/TW_PFaz.h"
#include "dialogs/TW_PrzesSlup.h"
#include "dialogs/TW_WspDom.h"
#include "dialogs/TW_ZFaz.h"
#include "dialogs/TW_Zakl.h"
#include "linedata/AuxiliaryChecks.h"
#include "linedata/LineDataRules.h"
#include "model/BuiltInTowers.h"
#include "render/TowerNeighbours.h"
#include "render/TowerPreviewPainter.h"
#include "ui_TW_LoadS.h"
#include "widgets/Prompter.h"
#include "widgets/RadioGroup.h"
#include "widgets/ShownText.h"

#include <QKeyEvent>
#include <QPainter>

namespace velt {

namespace {

std::string typed(const QLineEdit& edit) {
    return edit.text().toStdString();
}

} // namespace

TW_LoadS::TW_LoadS(Prompter& prompter, LineProject& project, LineDialogState& state,
                   QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::TW_LoadS>()),
      cataloguePicker_(std::make_unique<CatalogueTowerDialog>()), prompter_(prompter),
      project_(project), state_(state) {
    ui->setupUi(this);
    // A tower a neighbour's dialog reads from a catalogue is listed here too.
    neighbourEditor_ =
        std::make_unique<TW_LiniaSas>(prompter_, *cataloguePicker_, towers_,
                                      [this](const TowerDefinition& tower) { listTower(tower); });
    neighbourTable_ = std::make_unique<TW_LinieSas>(prompter_, *neighbourEditor_);
    connect(neighbourEditor_.get(), &TW_LiniaSas::statusMessage, this, &TW_LoadS::statusMessage);
    for (const std::string& entry : towers_.texts()) {
        ui->ComboBox1->addItem(QString::fromStdString(entry));
    }
    ui->ComboBox1->setCurrentIndex(-1);
    // The tower preview, drawn from the line project's conductors.
    ui->PaintBox1->setPainter([this](QPainter& painter, QSize size) {
        paintTowerPreview(painter, size, project_, {}, towerNeighbourWires(state_.form, project_));
    });
    connectControls();
    applyLineFieldRule();
    applyPhaseValuesRule();
    showIndicator();
}

TW_LoadS::~TW_LoadS() = default;

void TW_LoadS::connectControls() {
    connect(ui->ComboBox1, &QComboBox::activated, this, &TW_LoadS::ComboBox1Change);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TW_LoadS::SpeedButton1Click);
    ui->Edit1->installEventFilter(this);
    ui->Edit2->installEventFilter(this);
    for (QRadioButton* button : {ui->RadioButton1, ui->RadioButton2}) {
        connect(button, &QRadioButton::clicked, this, &TW_LoadS::RadioGroup1Click);
    }
    for (QRadioButton* button : {ui->RadioButton3, ui->RadioButton4}) {
        connect(button, &QRadioButton::clicked, this, &TW_LoadS::RadioGroup2Click);
    }
    for (QRadioButton* button : {ui->RadioButton5, ui->RadioButton6}) {
        connect(button, &QRadioButton::clicked, this, &TW_LoadS::RadioGroup3Click);
    }
    connect(ui->CheckBox1, &QCheckBox::clicked, this, &TW_LoadS::CheckBox1Click);
    connect(ui->CheckBox2, &QCheckBox::clicked, this, &TW_LoadS::CheckBox2Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TW_LoadS::CheckBox2Click);
    connect(ui->CheckBox3, &QCheckBox::clicked, this, &TW_LoadS::CheckBox3Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TW_LoadS::BitBtn1Click);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TW_LoadS::BitBtn4Click);
    connect(ui->BitBtn5, &QPushButton::clicked, this, &TW_LoadS::newTowerRequested);
    connect(ui->BitBtn6, &QPushButton::clicked, this, &TW_LoadS::BitBtn6Click);
    connect(ui->BitBtn7, &QPushButton::clicked, this, &TW_LoadS::BitBtn7Click);
    connect(ui->BitBtn8, &QPushButton::clicked, this, &TW_LoadS::neighbourLinesRequested);
}

void TW_LoadS::setTestTower(std::optional<TowerDefinition> tower) {
    towers_.setTestTower(std::move(tower));
}

void TW_LoadS::selectTower(int index) {
    pendingSelection_ = index;
    ui->ComboBox1->setCurrentIndex(index < ui->ComboBox1->count() ? index : -1);
}

const LineDataForm& TW_LoadS::collectForm() {
    LineDataForm& form = state_.form;
    form.workingHeight = typed(*ui->Edit1);
    form.groundHeight = typed(*ui->Edit2);
    form.fieldChoice = radioIndex(*ui->RadioGroup1);
    form.modeChoice = radioIndex(*ui->RadioGroup2);
    form.lineChoice = radioIndex(*ui->RadioGroup3);
    form.lineHeight = typed(*ui->Edit3);
    form.lineDistance = typed(*ui->Edit4);
    form.buildingChecked = ui->CheckBox2->isChecked();
    form.shieldWiresChecked = ui->CheckBox1->isChecked();
    form.interferenceChecked = ui->CheckBox3->isChecked();
    const LineDataCompanions& c = companions_;
    form.phaseOrderChoice = c.phaseOrder->choice();
    form.towerShift = c.towerShift->text().toStdString();
    form.building = c.building->form();
    form.interference = c.interference->form();
    form.currents = c.currents->form();
    form.shieldWires = c.shieldWires->form();
    return form;
}

void TW_LoadS::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    // A window restored by the window system is no new showing.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TW_LoadS::hideEvent(QHideEvent* event) {
    ModalDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

void TW_LoadS::FormShow() {
    project_.towerShifted = towerShiftedByText(companions_.towerShift->text().toStdString());
    clearTowerChoice(project_, state_.choice);
    if (const auto entry = towers_.showTestEntry()) {
        ui->ComboBox1->addItem(QString::fromStdString(*entry));
    }
    if (pendingSelection_ >= 0 && pendingSelection_ < ui->ComboBox1->count()) {
        ui->ComboBox1->setCurrentIndex(pendingSelection_);
    }
    pendingSelection_ = -1;
    if (ui->ComboBox1->currentIndex() >= 0) {
        chooseSelectedTower();
        WYSZAW();
    }
    ui->BitBtn8->setEnabled(project_.towerChosen);
    applyLineFieldRule();
    applyPhaseValuesRule();
    ui->SpeedButton2->setEnabled(ui->CheckBox2->isChecked());
}

void TW_LoadS::FormHide() {
    const int entry = towers_.hideTestEntry();
    if (entry >= 0) {
        const bool selected = ui->ComboBox1->currentIndex() == entry;
        ui->ComboBox1->removeItem(entry);
        if (selected) {
            ui->ComboBox1->setCurrentIndex(-1);
        }
    }
}

void TW_LoadS::ComboBox1Change() {
    chooseSelectedTower();
}

void TW_LoadS::chooseSelectedTower() {
    companions_.towerShift->setText(QStringLiteral("0.0"));
    const int index = ui->ComboBox1->currentIndex();
    const TowerDefinition* tower = towers_.tower(index);
    ui->BitBtn8->setEnabled(tower != nullptr);
    if (tower == nullptr) {
        clearTowerChoice(project_, state_.choice);
        return;
    }
    chooseTower(project_, state_.choice, *tower, index);
    const bool both = twoCircuits(project_.phaseConductorCount);
    ui->BitBtn4->setEnabled(both);
    companions_.currents->setSecondCircuitEnabled(both);
    applyPhaseValuesRule();
    emit statusMessage(QString());
    ui->CGauge1->setValue(0);
    WYSZAW();
}

void TW_LoadS::SpeedButton1Click() {
    GaugeCatalogueUi catalogue(prompter_, *ui->CGauge1,
                               [this](const QString& text) { emit statusMessage(text); });
    const auto tower = askCatalogueTower(this, prompter_, *cataloguePicker_, catalogue);
    ui->CGauge1->setValue(0);
    if (!tower) {
        return;
    }
    ui->ComboBox1->setCurrentIndex(listTower(*tower));
    chooseSelectedTower();
}

int TW_LoadS::listTower(const TowerDefinition& tower) {
    const TowerList::Added added = towers_.addCatalogueTower(tower);
    if (added.inserted) {
        const std::string entry = displayKey(tower.towerSeries, tower.towerType);
        ui->ComboBox1->insertItem(added.index, QString::fromStdString(entry));
    }
    return added.index;
}

void TW_LoadS::showState() {
    const LineDataForm& form = state_.form;
    showTowerChoice();
    ui->Edit1->setText(QString::fromStdString(form.workingHeight));
    ui->Edit2->setText(QString::fromStdString(form.groundHeight));
    ui->Edit3->setText(QString::fromStdString(form.lineHeight));
    ui->Edit4->setText(QString::fromStdString(form.lineDistance));
    setRadioIndex(*ui->RadioGroup1, form.fieldChoice);
    setRadioIndex(*ui->RadioGroup2, form.modeChoice);
    setRadioIndex(*ui->RadioGroup3, form.lineChoice);
    ui->CheckBox1->setChecked(form.shieldWiresChecked);
    ui->CheckBox2->setChecked(form.buildingChecked);
    ui->CheckBox3->setChecked(form.interferenceChecked);
    const LineDataCompanions& c = companions_;
    c.phaseOrder->setChoice(form.phaseOrderChoice);
    c.towerShift->setText(QString::fromStdString(form.towerShift));
    c.building->showForm(form.building);
    c.interference->showForm(form.interference);
    c.currents->showForm(form.currents);
    c.shieldWires->showForm(form.shieldWires);
    ui->BitBtn4->setEnabled(twoCircuits(project_.phaseConductorCount));
    ui->BitBtn8->setEnabled(project_.towerChosen);
    RadioGroup1Click();
    RadioGroup2Click();
    ui->SpeedButton2->setEnabled(project_.buildingOn);
    showIndicator();
    ui->PaintBox1->update();
}

void TW_LoadS::showTowerChoice() {
    int index = project_.towerChosen ? project_.chosenTowerIndex : -1;
    if (index >= kBuiltInTowerCount) {
        index = listTower(state_.choice.tower);
        project_.chosenTowerIndex = index;
    }
    ui->ComboBox1->setCurrentIndex(index);
}

bool TW_LoadS::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && (watched == ui->Edit1 || watched == ui->Edit2)) {
        WYSZAW();
    }
    return ModalDialog::eventFilter(watched, event);
}

void TW_LoadS::WYSZAW() {
    if (runHeightCheck(project_, state_.choice, state_.indicator, typed(*ui->Edit1),
                       typed(*ui->Edit2))) {
        ui->PaintBox1->update();
    }
    showIndicator();
}

void TW_LoadS::showIndicator() {
    const bool green = state_.indicator.colour == HeightIndicator::Green;
    ui->Shape1->setColour(green ? QColor(0, 255, 0) : QColor(255, 0, 0));
    ui->Shape1->setToolTip(shownText(state_.indicator.hint));
}

void TW_LoadS::applyLineFieldRule() {
    const bool horizontal = ui->RadioButton5->isChecked();
    ui->Edit3->setEnabled(horizontal);
    ui->Edit4->setEnabled(!horizontal);
}

void TW_LoadS::applyPhaseValuesRule() {
    ui->BitBtn6->setEnabled(
        phaseValuesEnabled(ui->RadioButton2->isChecked(), project_.phaseConductorCount));
}

void TW_LoadS::applyInterferenceRule() {
    ui->CheckBox3->setEnabled(
        interferenceEnabled(ui->RadioButton2->isChecked(), ui->RadioButton3->isChecked()));
}

void TW_LoadS::RadioGroup1Click() {
    const bool magnetic = ui->RadioButton2->isChecked();
    applyPhaseValuesRule();
    applyInterferenceRule();
    ui->BitBtn6->setText(magnetic ? tr("prądy fazowe") : tr("napięcia fazowe"));
}

void TW_LoadS::RadioGroup2Click() {
    const bool onConductors = ui->RadioButton3->isChecked();
    applyInterferenceRule();
    ui->RadioGroup3->setEnabled(!onConductors);
    if (onConductors) {
        ui->Edit3->setEnabled(false);
        ui->Edit4->setEnabled(false);
    } else {
        applyLineFieldRule();
    }
}

void TW_LoadS::RadioGroup3Click() {
    applyLineFieldRule();
}

void TW_LoadS::applyStep(QCheckBox& box, const CheckBoxStep& step) {
    if (step.message) {
        prompter_.showMessage(QString::fromStdString(*step.message));
    }
    box.setChecked(step.checked);
}

void TW_LoadS::CheckBox2Click() {
    CheckBoxStep step = buildingClicked(project_, ui->CheckBox2->isChecked());
    if (step.showDialog) {
        TW_WspDom& dialog = *companions_.building;
        const DialogAnswer answer = answerOf(prompter_.exec(dialog));
        step = buildingAnswered(project_, answer, dialog.form());
        if (step.resetFields) {
            dialog.resetFields();
        }
    }
    applyStep(*ui->CheckBox2, step);
    ui->SpeedButton2->setEnabled(project_.buildingOn);
}

void TW_LoadS::CheckBox1Click() {
    CheckBoxStep step = shieldWiresClicked(project_, ui->CheckBox1->isChecked());
    if (step.showDialog) {
        TW_PEkr& editor = *companions_.shieldWires;
        const DialogAnswer answer = answerOf(prompter_.exec(editor));
        step = shieldWiresAnswered(project_, answer, editor.rows().size());
        if (step.resetFields) {
            editor.clearRows();
        }
        editor.unlockAfterUse();
    }
    applyStep(*ui->CheckBox1, step);
}

void TW_LoadS::CheckBox3Click() {
    CheckBoxStep step = interferenceClicked(project_, ui->CheckBox3->isChecked());
    if (step.showDialog) {
        TW_Zakl& dialog = *companions_.interference;
        const DialogAnswer answer = answerOf(prompter_.exec(dialog));
        step = interferenceAnswered(answer, dialog.form());
        if (step.resetFields) {
            dialog.resetFields();
        }
    }
    applyStep(*ui->CheckBox3, step);
}

void TW_LoadS::BitBtn1Click() {
    const LineDataForm& form = collectForm();
    const auto refusal = checkLineData(project_, state_.choice, state_.indicator, form,
                                       ui->ComboBox1->currentIndex() >= 0);
    showIndicator();
    ui->PaintBox1->update();
    if (refusal) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    done(mrYes);
}

void TW_LoadS::BitBtn4Click() {
    TW_ZFaz& dialog = *companions_.phaseOrder;
    if (prompter_.exec(dialog) == mrNo) {
        dialog.setChoice(0);
    }
    project_.phaseOrderSwapped = dialog.choice() == 1;
}

void TW_LoadS::BitBtn6Click() {
    companions_.currents->setSecondCircuitEnabled(ui->BitBtn4->isEnabled());
    prompter_.exec(*companions_.currents);
}

bool TW_LoadS::editNeighbourLines() {
    std::vector<NeighbourLine>& lines = state_.form.options.neighbours;
    neighbourTable_->showLines(lines, ui->RadioButton2->isChecked());
    if (prompter_.exec(*neighbourTable_) != mrYes || neighbourTable_->lines() == lines) {
        return false;
    }
    lines = neighbourTable_->lines();
    return true;
}

void TW_LoadS::BitBtn7Click() {
    prompter_.exec(*companions_.towerShift);
    project_.towerShifted = towerShiftedByText(companions_.towerShift->text().toStdString());
}

} // namespace velt
