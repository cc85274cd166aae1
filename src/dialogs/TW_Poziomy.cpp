// The exposure limits and the magnetic unit.

#include "dialogs/TW_Poziomy.h"

#include "analysis/ExposureLimits.h"
#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "widgets/DialogFoot.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velt {
namespace {

QString levelText(double value) {
    return QString::fromStdString(formatGeneral(value));
}

// Both magnetic units, rounded as the regulations state them: 60 A/m (75.4 µT).
QString builtInText(const ExposureLimit& limit) {
    const auto rounded = [](double value) {
        return QString::fromStdString(formatNumber("%.4g", value));
    };
    return QCoreApplication::translate("velt", limit.name.c_str()) +
           QStringLiteral(" — %1 kV/m, %2 A/m (%3 µT)")
               .arg(levelText(limit.electric), rounded(limit.magnetic),
                    rounded(microteslaOf(limit.magnetic)));
}

} // namespace

TW_Poziomy::TW_Poziomy(Prompter& prompter, QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), own_(new QTableWidget(0, 3)),
      amperes_(new QRadioButton(tr("H [A/m]"))), microtesla_(new QRadioButton(tr("B [µT]"))) {
    setObjectName(QStringLiteral("TW_Poziomy"));
    setWindowTitle(tr("Poziomy dopuszczalne"));
    auto* builtInBox = new QGroupBox(tr("Poziomy odniesienia (wartości skuteczne, 50 Hz)"));
    auto* builtInLayout = new QVBoxLayout(builtInBox);
    int k = 0;
    for (const ExposureLimit& limit : builtInLimits()) {
        auto* box = new QCheckBox(builtInText(limit));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(++k));
        builtInLayout->addWidget(box);
        builtIn_.push_back(box);
    }
    auto* ownBox = new QGroupBox(tr("Poziomy własne"));
    own_->setObjectName(QStringLiteral("StringGrid1"));
    own_->setHorizontalHeaderLabels({tr("Nazwa"), tr("E [kV/m]"), tr("H [A/m]")});
    own_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    own_->setMinimumHeight(110);
    auto* add = namedButton(tr("&Dodaj"), "BitBtn3");
    auto* remove = namedButton(tr("&Usuń"), "BitBtn4");
    connect(add, &QPushButton::clicked, this, &TW_Poziomy::BitBtn3Click);
    connect(remove, &QPushButton::clicked, this, &TW_Poziomy::BitBtn4Click);
    auto* ownButtons = new QHBoxLayout;
    ownButtons->addWidget(add);
    ownButtons->addWidget(remove);
    ownButtons->addStretch();
    auto* ownLayout = new QVBoxLayout(ownBox);
    ownLayout->addWidget(own_);
    ownLayout->addLayout(ownButtons);

    auto* unitBox = new QGroupBox(tr("Pole magnetyczne w wykresach i tabelach"));
    unitBox->setObjectName(QStringLiteral("RadioGroup1"));
    amperes_->setObjectName(QStringLiteral("RadioButton1"));
    microtesla_->setObjectName(QStringLiteral("RadioButton2"));
    auto* unitLayout = new QHBoxLayout(unitBox);
    unitLayout->addWidget(amperes_);
    unitLayout->addWidget(microtesla_);
    amperes_->setChecked(true);

    const DialogFoot foot = dialogFoot();
    connect(foot.yes, &QPushButton::clicked, this, &TW_Poziomy::BitBtn1Click);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(builtInBox);
    layout->addWidget(ownBox);
    layout->addWidget(unitBox);
    layout->addLayout(foot.layout);
    setMinimumWidth(520);
}

void TW_Poziomy::showOptions(const CalculationOptions& options) {
    own_->setRowCount(0);
    for (QCheckBox* box : builtIn_) {
        box->setChecked(false);
    }
    for (const ExposureLimit& limit : options.limits) {
        if (!limit.key.empty()) {
            for (std::size_t i = 0; i < builtInLimits().size(); ++i) {
                if (builtInLimits()[i].key == limit.key) {
                    builtIn_[i]->setChecked(true);
                }
            }
            continue;
        }
        BitBtn3Click();
        const int row = own_->rowCount() - 1;
        own_->item(row, 0)->setText(QString::fromStdString(limit.name));
        own_->item(row, 1)->setText(levelText(limit.electric));
        own_->item(row, 2)->setText(levelText(limit.magnetic));
    }
    (options.magneticUnit == MagneticUnit::Microtesla ? microtesla_ : amperes_)->setChecked(true);
}

std::vector<ExposureLimit> TW_Poziomy::shownLimits() const {
    std::vector<ExposureLimit> limits;
    for (std::size_t i = 0; i < builtIn_.size(); ++i) {
        if (builtIn_[i]->isChecked()) {
            limits.push_back(builtInLimits()[i]);
        }
    }
    for (int row = 0; row < own_->rowCount(); ++row) {
        const auto text = [&](int column) { return own_->item(row, column)->text().toStdString(); };
        limits.push_back({"", text(0), readDecimal(text(1)), readDecimal(text(2))});
    }
    return limits;
}

void TW_Poziomy::takeOptions(CalculationOptions& options) const {
    options.limits = shownLimits();
    options.magneticUnit =
        microtesla_->isChecked() ? MagneticUnit::Microtesla : MagneticUnit::AmperesPerMetre;
}

void TW_Poziomy::BitBtn1Click() {
    const std::vector<ExposureLimit> limits = shownLimits();
    if (const auto refusal = checkLimits(limits)) {
        // limits[i]: the own levels follow the ticked built-in ones.
        const std::size_t index = std::stoul(refusal->key.substr(refusal->key.find('[') + 1));
        const int ticked = static_cast<int>(limits.size()) - own_->rowCount();
        const QString where =
            static_cast<int>(index) >= ticked
                ? tr("Poziom własny %1: ").arg(static_cast<int>(index) - ticked + 1)
                : QString();
        prompter_.showMessage(where +
                              QCoreApplication::translate("velt", refusal->message.c_str()));
        return;
    }
    done(mrYes);
}

void TW_Poziomy::BitBtn3Click() {
    const int row = own_->rowCount();
    own_->insertRow(row);
    own_->setItem(row, 0, new QTableWidgetItem(tr("Poziom własny")));
    own_->setItem(row, 1, new QTableWidgetItem(QStringLiteral("1")));
    own_->setItem(row, 2, new QTableWidgetItem(QStringLiteral("60")));
}

void TW_Poziomy::BitBtn4Click() {
    const int row = own_->currentRow();
    if (row >= 0) {
        own_->removeRow(row);
    }
}

} // namespace velt
