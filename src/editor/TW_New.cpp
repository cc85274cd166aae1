// The tower editor.

#include "editor/TW_New.h"

#include "editor/CataloguePrompts.h"
#include "editor/TW_NPOdg.h"
#include "editor/TW_PRob.h"
#include "model/FileNames.h"
#include "render/TowerPreviewPainter.h"
#include "toweredit/TowerAssembly.h"
#include "ui_TW_New.h"
#include "widgets/Prompter.h"
#include "widgets/ShownText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>

namespace velt {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
constexpr int kTypedNameChars = 9;

QString fileText(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

} // namespace

TW_New::TW_New(Prompter& prompter, TowerEditorState& state, QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), state_(state), ui(std::make_unique<Ui::TW_New>()) {
    ui->setupUi(this);
    setUpMenu();
    for (const std::string& voltage : kEditorVoltages) {
        ui->ComboBox2->addItem(QString::fromStdString(voltage));
    }
    ui->ComboBox2->setCurrentIndex(-1);
    ui->SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui->PaintBox1->setPainter([this](QPainter& painter, QSize size) { paintTower(painter, size); });
    ui->Edit6->installEventFilter(this);
    ui->Edit7->installEventFilter(this);
    // The drawing shows conductors only while series and type are given.
    for (QLineEdit* name : {ui->Edit1, ui->Edit2}) {
        connect(name, &QLineEdit::textChanged, ui->PaintBox1, qOverload<>(&QWidget::update));
    }
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TW_New::SpeedButton3Click);
    connect(ui->ComboBox1, &QComboBox::activated, this, &TW_New::ComboBox1Change);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TW_New::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TW_New::SpeedButton2Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TW_New::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TW_New::BitBtn2Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TW_New::Limo);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TW_New::BitBtn4Click);
}

TW_New::~TW_New() = default;

void TW_New::setUpMenu() {
    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(menu_);
    const auto add = [this](QMenu* menu, const char* name, const char* text,
                            void (TW_New::*slot)()) {
        QAction* action = menu->addAction(tr(text));
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu* file = menu_->addMenu(tr("Plik"));
    file->setObjectName(QStringLiteral("Plik1"));
    add(file, "Wczytaj1", QT_TR_NOOP("Wczytaj"), &TW_New::SpeedButton3Click);
    add(file, "Zapisz1", QT_TR_NOOP("Zapisz"), &TW_New::BitBtn1Click);
    add(file, "Zapiszjako1", QT_TR_NOOP("Zapisz jako"), &TW_New::BitBtn2Click);
    add(file, "Ususup1", QT_TR_NOOP("Usuń słup z pliku"), &TW_New::Ususup1Click);
    add(file, "Testuj1", QT_TR_NOOP("Testuj"), &TW_New::Limo);
    add(file, "Zakocz1", QT_TR_NOOP("Zakończ"), &TW_New::BitBtn4Click);
    QMenu* conductors = menu_->addMenu(tr("Przewody"));
    conductors->setObjectName(QStringLiteral("Przewody1"));
    add(conductors, "Edycjaprob1", QT_TR_NOOP("Edycja p. rob."), &TW_New::SpeedButton1Click);
    add(conductors, "Edycjapodg1", QT_TR_NOOP("Edycja p.odg."), &TW_New::SpeedButton2Click);
    QMenu* conversion = menu_->addMenu(tr("Konwersja"));
    conversion->setObjectName(QStringLiteral("Konwersja1"));
    add(conversion, "VELT99VELT20011", "VELT'99 -> VELT 2001", &TW_New::VELT99VELT20011Click);
}

void TW_New::setConductorEditors(TW_PRob& working, TW_NPOdg& ground) {
    working_ = &working;
    ground_ = &ground;
}

QString TW_New::workingHeightText() const {
    return ui->Edit6->text();
}

QString TW_New::groundHeightText() const {
    return ui->Edit7->text();
}

bool TW_New::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (watched == ui->Edit6) {
            Edit6KeyUp();
        } else if (watched == ui->Edit7) {
            Edit7KeyUp();
        }
    }
    return ModalDialog::eventFilter(watched, event);
}

void TW_New::Edit6KeyUp() {
    heightCheck();
}

void TW_New::Edit7KeyUp() {
    heightCheck();
}

void TW_New::heightCheck() {
    const HeightCheckResult result = checkEditorHeights(state_, fields());
    if (!result.changed) {
        return;
    }
    ui->Shape1->setColour(result.indicator == HeightIndicator::Green ? kGreen : kRed);
    ui->Shape1->setToolTip(shownText(result.hint));
    ui->PaintBox1->update();
}

void TW_New::paintTower(QPainter& painter, QSize size) const {
    const TowerConductors conductors =
        drawsConductors(fields()) ? towerConductors(state_.editorTower) : TowerConductors{};
    paintTowerPreview(
        painter, towerPreviewGeometry(size.width(), size.height(), conductors, kTowerEditorStyle));
}

TowerEditorFields TW_New::fields() const {
    return {ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString(),
            ui->ComboBox2->currentIndex(),   ui->ComboBox2->currentText().toStdString(),
            ui->Edit3->text().toStdString(), ui->Edit6->text().toStdString(),
            ui->Edit7->text().toStdString()};
}

TowerEditorLists TW_New::lists() const {
    TowerEditorLists lists;
    if (working_ != nullptr && ground_ != nullptr) {
        lists.working = {working_->rows(), working_->bundleFields()};
        lists.ground = {ground_->rows(), ground_->bundleFields()};
    }
    return lists;
}

PromptingCatalogueUi TW_New::catalogueUi() {
    return PromptingCatalogueUi(
        prompter_, [this](const QString& text) { emit statusMessage(text); }, ui->CGauge1);
}

void TW_New::SpeedButton3Click() {
    const QString chosen =
        prompter_.askOpenFileName(this, kCatalogueFileTitle, kCatalogueFileFilter);
    if (chosen.isEmpty()) {
        return;
    }
    PromptingCatalogueUi catalogue = catalogueUi();
    const OpenedCatalogue opened = openCatalogue(state_, localFileName(chosen), catalogue);
    if (opened.listed) {
        ui->ComboBox1->clear();
        for (const std::string& key : opened.keys) {
            ui->ComboBox1->addItem(QString::fromStdString(key));
        }
        // Filling the list chooses nothing; only the user's choice reads a tower.
        ui->ComboBox1->setCurrentIndex(-1);
    }
    if (opened.shownPath) {
        ui->Edit5->setText(fileText(*opened.shownPath));
    }
}

void TW_New::ComboBox1Change() {
    const int count = ui->ComboBox1->count();
    PromptingCatalogueUi catalogue = catalogueUi();
    catalogue.setStatus(kSearchingStatus);
    catalogue.setProgressMaximum(static_cast<std::size_t>(count));
    const auto tower = readChosenTower(state_, localFileName(ui->Edit5->text()),
                                       ui->ComboBox1->currentText().toStdString(),
                                       static_cast<std::size_t>(count), catalogue);
    if (tower) {
        showTower(*tower);
    }
    ui->CGauge1->setValue(0);
    catalogue.setStatus({});
}

void TW_New::showTower(const TowerDefinition& tower) {
    const QString type = QString::fromStdString(tower.towerType);
    // A longer type of an older catalogue is shown whole; typing still stops at 9.
    ui->Edit2->setMaxLength(std::max<int>(kTypedNameChars, static_cast<int>(type.size())));
    ui->Edit1->setText(QString::fromStdString(tower.towerSeries));
    ui->Edit2->setText(type);
    if (const auto choice = voltageChoiceOf(tower.nominalVoltage)) {
        ui->ComboBox2->setCurrentIndex(*choice);
    }
    ui->Edit3->setText(QString::number(tower.phaseConductorCount));
    ui->Edit4->setText(QString::number(tower.groundWireCount));
    fillConductorEditors(catalogueTowerRows(tower), false);
    heightCheck();
    ui->PaintBox1->update();
}

void TW_New::fillConductorEditors(const TowerEditorLists& lists, bool withBundles) {
    if (working_ == nullptr || ground_ == nullptr) {
        return;
    }
    working_->setRows(lists.working.rows);
    ground_->setRows(lists.ground.rows);
    if (withBundles) {
        working_->setBundleFields(lists.working.bundle);
        ground_->setBundleFields(lists.ground.bundle);
    }
}

void TW_New::SpeedButton1Click() {
    if (working_ != nullptr) {
        editConductors(*working_, false);
    }
}

void TW_New::SpeedButton2Click() {
    if (ground_ != nullptr) {
        editConductors(*ground_, true);
    }
}

void TW_New::editConductors(TowerListDialog& shown, bool groundWires) {
    fillConductorEditors(editorLists(state_), true);
    if (prompter_.exec(shown) != mrOk) {
        // The lists go back to the tower's, so that a later assembly reads what it holds.
        fillConductorEditors(editorLists(state_), true);
        return;
    }
    const TowerEditorLists edited = lists();
    takeEditedConductors(state_, edited, ui->Edit7->text().toStdString());
    ui->Edit3->setText(QString::number(state_.editorTower.phaseConductorCount));
    if (groundWires) {
        ui->Edit4->setText(QString::number(state_.editorTower.groundWireCount));
    }
    heightCheck();
    ui->PaintBox1->update();
}

std::optional<TowerDefinition> TW_New::assembled() {
    const AssembledTower result = assembleTower(state_, fields(), lists());
    if (!result.tower) {
        prompter_.showMessage(QString::fromStdString(result.message));
    }
    return result.tower;
}

void TW_New::BitBtn1Click() {
    if (ui->Edit5->text().isEmpty()) {
        prompter_.showMessage(QString::fromStdString(kNoCatalogueMessage));
        return;
    }
    if (const auto tower = assembled()) {
        PromptingCatalogueUi catalogue = catalogueUi();
        storeInShownCatalogue(localFileName(ui->Edit5->text()), *tower, catalogue);
    }
}

void TW_New::BitBtn2Click() {
    if (const auto tower = assembled()) {
        PromptingCatalogueUi catalogue = catalogueUi();
        storeInAskedCatalogue(prompter_, this, *tower, catalogue);
    }
}

void TW_New::Limo() {
    if (const auto tower = assembled()) {
        keepTestTower(state_, *tower);
        done(mrOk);
    }
}

void TW_New::BitBtn4Click() {
    done(mrCancel);
}

void TW_New::Ususup1Click() {
    if (const auto refusal =
            deletionRefusal(ui->Edit5->text().toStdString(), ui->ComboBox1->currentIndex() >= 0)) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    prompter_.beep();
    if (prompter_.ask(QString::fromStdString(kDeleteCaption),
                      QString::fromStdString(kDeleteQuestion), Question::OkCancel) != mrOk) {
        return;
    }
    PromptingCatalogueUi catalogue = catalogueUi();
    deleteTowerReadLast(state_, catalogue);
}

void TW_New::VELT99VELT20011Click() {
    const QString old = prompter_.askOpenFileName(
        this, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Podaj plik *.LIN z programu VELT'99")),
        QStringLiteral("Pliki z danymi słupów (*.lin *.LIN)"));
    if (old.isEmpty()) {
        return;
    }
    const QString target = prompter_.askNewFileName(
        this, kCatalogueFileTitle,
        QStringLiteral("Pliki z danymi słupów (*.velt_data *.VELT_data *.VELT_DATA)"));
    if (target.isEmpty()) {
        return;
    }
    PromptingCatalogueUi catalogue = catalogueUi();
    ConvertOldCatalogue(existingExtensionCase(withExtension(localFileName(old), ".lin")),
                        localFileName(target), catalogue);
    ui->CGauge1->setValue(0);
}

} // namespace velt
