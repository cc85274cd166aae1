// The paint area of a variant window.

#include "app/VariantWindow.h"

#include "app/VariantPrinting.h"
#include "model/FileNames.h"
#include "render/GifWriter.h"
#include "render/GraphDocuments.h"
#include "render/GraphExport.h"
#include "render/GraphPainter.h"
#include "results/Report.h"

#include <QCoreApplication>
#include <QPainter>

namespace velt {

VariantView::VariantView(const FieldProfile& live, CalculationExtras extras,
                         std::function<bool()> towerShifted, QWidget* parent)
    : ResultView(parent), record_(std::make_unique<FieldProfile>(live)), extras_(std::move(extras)),
      towerShifted_(std::move(towerShifted)) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

VariantView::~VariantView() = default;

const CalculationExtras* VariantView::drawnExtras() const {
    return &extras_;
}

QImage VariantView::picture() const {
    // Drawn at the window's size in logical pixels, as velt-calc draws it: on a scaled
    // display the window's own pixels would give a picture of another size.
    // The GIF is a stored result: its texts stay the program's own in either language.
    return graphImage(size(), *record_, towerShifted(), drawnExtras(), untranslated);
}

QString VariantView::caption() const {
    return variantCaption(number());
}

std::vector<std::string> VariantView::resultFiles(const std::string& chosen) const {
    std::vector<std::string> files;
    // A calculation on the conductors has no graph: only its report is written.
    if (!record_->resultOnConductors) {
        files.push_back(replaceExtension(chosen, ".gif"));
    }
    files.push_back(replaceExtension(chosen, ".txt"));
    return files;
}

std::optional<std::string> VariantView::writeResults(const std::string& chosen) const {
    if (!record_->resultOnConductors) {
        if (auto failure = writeGif(picture(), replaceExtension(chosen, ".gif"))) {
            return failure;
        }
    }
    std::optional<std::string> failure;
    writeReport(
        chosen, *record_, [&failure](const std::string& message) { failure = message; }, &extras_);
    return failure;
}

bool VariantView::print(QPrinter& printer) const {
    return printVariant(printer, *record_, towerShifted(), drawnExtras());
}

QString VariantView::exportFilter() const {
    return QStringLiteral("Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;"
                          "Dokument PDF (*.pdf *.PDF);;Tabela CSV (*.csv *.CSV)");
}

bool VariantView::exportTo(const std::string& path, GraphFormat format, QSize size) const {
    // Texts of the SVG drawing take the sizes they have on the screen.
    GraphFileSource source{*record_, towerShifted(), size.isValid() ? size : this->size(),
                           logicalDpiX(), caption()};
    source.extras = drawnExtras();
    return writeGraphFile(path, format, source);
}

void VariantView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintWindowGraph(painter, size(), *record_, towerShifted(), drawnExtras());
}

QString variantCaption(int number) {
    return QCoreApplication::translate("velt", "Wariant %1.").arg(number);
}

} // namespace velt
