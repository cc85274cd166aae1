// The grid of a field map.

#include "dialogs/TW_Mapa.h"

#include "model/DecimalText.h"
#include "widgets/DialogFoot.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace velt {
namespace {

QLineEdit* field(const char* name, const QString& hint) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(hint);
    return edit;
}

// Each field beside its label, "Label1" for "Edit1" and so on.
QGridLayout* labelledRows(std::initializer_list<std::pair<QString, QLineEdit*>> rows) {
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [text, edit] : rows) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    return grid;
}

// An empty field takes the grid's default.
std::optional<double> typed(const QLineEdit* edit) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return readDecimal(text.toStdString());
}

} // namespace

TW_Mapa::TW_Mapa(Prompter& prompter, const LineProject& project, const LineDataForm& form,
                 double range, QWidget* parent)
    : ModalDialog(parent), prompter_(prompter), project_(project), form_(form),
      range_(field("Edit1", {})), top_(field("Edit2", tr("najwyższy przewód + 5 m"))),
      stepX_(field("Edit3", tr("201 punktów"))), stepY_(field("Edit4", tr("101 punktów"))) {
    setObjectName(QStringLiteral("TW_Mapa"));
    setWindowTitle(tr("Mapa pola"));
    range_->setText(QString::fromStdString(formatGeneral(range)));
    QGridLayout* fields = labelledRows({
        {tr("&Zasięg mapy pola [m]:"), range_},
        {tr("&Wysokość mapy pola [m]:"), top_},
        {tr("Krok siatki &X [m]:"), stepX_},
        {tr("Krok siatki &Y [m]:"), stepY_},
    });
    const DialogFoot foot = dialogFoot();
    connect(foot.yes, &QPushButton::clicked, this, &TW_Mapa::BitBtn1Click);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(foot.layout);
    setMinimumWidth(360);
}

FieldMapRequest TW_Mapa::request() const {
    FieldMapRequest r;
    // An empty range reads as 0, which the grid refuses with its own message.
    r.range = readDecimal(range_->text().toStdString());
    r.top = typed(top_);
    r.stepX = typed(stepX_);
    r.stepY = typed(stepY_);
    return r;
}

void TW_Mapa::BitBtn1Click() {
    auto grid = fieldMapGrid(project_, form_, request());
    if (const auto* refusal = std::get_if<std::string>(&grid)) {
        prompter_.showMessage(QCoreApplication::translate("velt", refusal->c_str()));
        return;
    }
    grid_ = std::get<FieldMapGrid>(grid);
    done(mrYes);
}

} // namespace velt
