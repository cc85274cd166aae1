// The series dialog.

#include "app/TW_Seria.h"

#include "analysis/ExposureLimits.h"
#include "app/SeriesMessages.h"
#include "app/SeriesQuantities.h"
#include "series/SeriesLevel.h"
#include "widgets/DialogFoot.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velt {
namespace {

QLineEdit* edit(const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    return e;
}

// A number as typed, with a point or a comma.
std::string typed(const QLineEdit& e) {
    return e.text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
}

} // namespace

TW_Seria::TW_Seria(SeriesProject project, Prompter& prompter, QWidget* parent)
    : ModalDialog(parent), project_(std::move(project)), prompter_(prompter),
      quantity_(new QComboBox), from_(edit("Edit1")), to_(edit("Edit2")), step_(edit("Edit3")),
      level_(new QComboBox), distance_(edit("Edit4")) {
    setObjectName(QStringLiteral("TW_Seria"));
    setWindowTitle(tr("Seria obliczeń"));
    quantity_->setObjectName(QStringLiteral("ComboBox1"));
    level_->setObjectName(QStringLiteral("ComboBox2"));
    distance_->setPlaceholderText(tr("największa wartość pola"));
    addQuantities();
    addLevels();
    layOut();
    connect(quantity_, &QComboBox::currentIndexChanged, this, &TW_Seria::ComboBoxChange);
    connect(level_, &QComboBox::currentIndexChanged, this, &TW_Seria::ComboBoxChange);
    ComboBoxChange();
}

void TW_Seria::layOut() {
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Zmieniana wielkość:"), quantity_);
    fields->addRow(tr("&Od:"), from_);
    fields->addRow(tr("&Do:"), to_);
    fields->addRow(tr("&Krok:"), step_);
    fields->addRow(tr("&Poziom dopuszczalny:"), level_);
    fields->addRow(tr("Odl&egłość od osi linii [m]:"), distance_);
    const DialogFoot foot = dialogFoot();
    foot.yes->setDefault(true);
    connect(foot.yes, &QPushButton::clicked, this, &TW_Seria::BitBtn1Click);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(foot.layout);
    setMinimumWidth(480);
}

void TW_Seria::addQuantities() {
    for (const SeriesKey& key : keysTakenBy(project_.facts)) {
        quantity_->addItem(quantityWithUnit(seriesQuantityOf(key.name)),
                           QString::fromStdString(key.name));
    }
}

void TW_Seria::addLevels() {
    level_->addItem(tr("(brak)"));
    // No level applies to the field on the conductors.
    if (project_.facts.onConductors) {
        return;
    }
    levels_ = builtInLimits();
    for (const ExposureLimit& own : project_.facts.limits) {
        if (own.key.empty()) {
            levels_.push_back(own);
        }
    }
    for (const ExposureLimit& limit : levels_) {
        level_->addItem(levelName(limit));
    }
    // The set-up's first level, when it has one.
    if (!project_.facts.limits.empty()) {
        const auto found = std::find(levels_.begin(), levels_.end(), project_.facts.limits.front());
        level_->setCurrentIndex(static_cast<int>(found - levels_.begin()) + 1);
    }
}

void TW_Seria::ComboBoxChange() {
    const std::string key = quantity_->currentData().toString().toStdString();
    const bool choice = seriesKeyOf(key) && seriesKeyOf(key)->rule == KeyRule::Choice;
    for (QLineEdit* e : {from_, to_, step_}) {
        e->setEnabled(!choice);
    }
    distance_->setEnabled(chosenLevel() && targetKeyOf(project_.facts, key));
}

std::optional<ExposureLimit> TW_Seria::chosenLevel() const {
    const int i = level_->currentIndex();
    if (i < 1 || i > static_cast<int>(levels_.size())) {
        return std::nullopt;
    }
    return levels_[static_cast<std::size_t>(i - 1)];
}

std::string TW_Seria::argument() const {
    const std::string key = quantity_->currentData().toString().toStdString();
    if (!from_->isEnabled()) {
        return key + "=all";
    }
    return key + "=" + typed(*from_) + ":" + typed(*to_) + ":" + typed(*step_);
}

bool TW_Seria::readDistance(std::optional<double>& at) {
    const QString text = QString::fromStdString(typed(*distance_));
    if (!distance_->isEnabled() || text.isEmpty()) {
        return true;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= 0.0)) {
        prompter_.showMessage(tr("Odległość od osi linii musi być liczbą nie mniejszą od 0.0!"));
        return false;
    }
    at = value;
    return true;
}

void TW_Seria::BitBtn1Click() {
    const std::string arg = argument();
    auto planned = planSeries(project_, {arg});
    if (const auto* message = std::get_if<std::string>(&planned)) {
        prompter_.showMessage(seriesRefusalText(*message, arg));
        return;
    }
    std::optional<double> at;
    if (!readDistance(at)) {
        return;
    }
    SeriesRequest request{std::move(std::get<SeriesPlan>(planned)), {}, {}};
    if (const auto limit = chosenLevel()) {
        request.level = addLevel(request.plan, *limit);
        const auto key = targetKeyOf(project_.facts, request.plan.variations.front().key.name);
        if (at && key) {
            request.target = TargetQuery{*limit, *at, false, *key};
        }
    }
    request_ = std::move(request);
    done(mrYes);
}

} // namespace velt
