// The paint area of a series variant.

#include "app/SeriesView.h"

#include "app/SeriesGraphSource.h"
#include "app/VariantPrinting.h"
#include "model/FileNames.h"
#include "model/FileReplacement.h"
#include "render/GifWriter.h"
#include "render/SeriesGraphExport.h"
#include "render/SeriesGraphPainter.h"
#include "series/SeriesCsv.h"

#include <QPainter>

#include <sstream>

namespace velt {

SeriesView::SeriesView(int number, SeriesResult result, QWidget* parent)
    : ResultView(parent), number_(number),
      result_(std::make_unique<SeriesResult>(std::move(result))),
      graph_(std::make_unique<SeriesGraph>(seriesGraphOf(*result_))) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

SeriesView::~SeriesView() = default;

QImage SeriesView::picture() const {
    // The window's size in logical pixels, as the variant's graph is saved.
    return seriesGraphImage(size(), *graph_);
}

QString SeriesView::caption() const {
    return tr("Seria %1.").arg(number_);
}

std::string SeriesView::table() const {
    std::ostringstream csv;
    writeSeriesCsv(csv, result_->request.plan, result_->rows);
    return csv.str();
}

std::vector<std::string> SeriesView::resultFiles(const std::string& chosen) const {
    return {replaceExtension(chosen, ".gif"), replaceExtension(chosen, ".csv")};
}

std::optional<std::string> SeriesView::writeResults(const std::string& chosen) const {
    const std::vector<std::string> files = resultFiles(chosen);
    if (auto failure = writeGif(picture(), files[0])) {
        return failure;
    }
    if (!replaceFile(files[1], table())) {
        return (tr("Nie mogę zapisać pliku!\n") + QString::fromStdString(files[1])).toStdString();
    }
    return std::nullopt;
}

bool SeriesView::print(QPrinter& printer) const {
    return printLandscapePage(printer, [this](QPainter& painter, QSize page) {
        paintPrintedSeriesGraph(painter, page, *graph_);
    });
}

QString SeriesView::exportFilter() const {
    return tr("Tabela CSV (*.csv *.CSV);;Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;"
              "Dokument PDF (*.pdf *.PDF)");
}

bool SeriesView::exportTo(const std::string& path, GraphFormat format, QSize size) const {
    if (format == GraphFormat::Csv) {
        return replaceFile(path, table());
    }
    // Texts of the SVG drawing take the sizes they have on the screen.
    const SeriesGraphFileSource source{*graph_, size.isValid() ? size : this->size(), logicalDpiX(),
                                       caption()};
    const std::string bytes = seriesGraphFileBytes(format, source);
    return !bytes.empty() && replaceFile(path, bytes);
}

void SeriesView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintWindowSeriesGraph(painter, size(), *graph_);
}

} // namespace velt
