// The paint area of a map variant.

#include "app/FieldMapWindow.h"

#include "analysis/MagneticUnits.h"
#include "app/VariantPrinting.h"
#include "model/FileNames.h"
#include "render/FieldMapExport.h"
#include "render/FieldMapPainter.h"
#include "render/GifWriter.h"
#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"
#include "results/Report.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace velt {
namespace {

// The numbers of the status bar in the user's language (a decimal comma in Polish).
QString decimal(double value, int places) {
    QLocale numbers(QCoreApplication::translate("velt", "pl", "the language of the numbers"));
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    // A value that rounds to nothing shows without a sign.
    const double shown = std::fabs(value) < 0.5 * std::pow(10.0, -places) ? 0.0 : value;
    return numbers.toString(shown, 'f', places);
}

} // namespace

FieldMapView::FieldMapView(FieldMap map, CalculationOptions options, int number, StatusLine status,
                           QWidget* parent)
    : ResultView(parent), map_(std::move(map)), options_(std::move(options)), number_(number),
      status_(std::move(status)) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
}

QImage FieldMapView::picture() const {
    // As a graph's: the window's size in logical pixels, as velt-calc draws it.
    return fieldMapImage(size(), map_, options_);
}

const FieldMapLayout& FieldMapView::layout() {
    if (!layout_ || layout_->frame.width != width() || layout_->frame.height != height()) {
        const FieldMapFrame frame = windowMapFrame(width(), height());
        layout_ =
            layoutFieldMap(map_, options_, frame, QtTextMeasure(font(), this), translatedSource);
    }
    return *layout_;
}

QString FieldMapView::caption() const {
    return fieldMapCaption(number_);
}

std::vector<std::string> FieldMapView::resultFiles(const std::string& chosen) const {
    return {replaceExtension(chosen, ".gif"), replaceExtension(chosen, ".txt")};
}

std::optional<std::string> FieldMapView::writeResults(const std::string& chosen) const {
    const std::vector<std::string> files = resultFiles(chosen);
    if (auto failure = writeGif(picture(), files[0])) {
        return failure;
    }
    if (!writeFieldMapFile(files[1], GraphFormat::Csv, fileSource(size()))) {
        return kCannotCreateFileMessage + files[1];
    }
    return std::nullopt;
}

bool FieldMapView::print(QPrinter& printer) const {
    return printFieldMap(printer, map_, options_);
}

QString FieldMapView::exportFilter() const {
    return tr("Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;"
              "Dokument PDF (*.pdf *.PDF);;Tabela CSV (*.csv *.CSV)");
}

bool FieldMapView::exportTo(const std::string& path, GraphFormat format, QSize size) const {
    return writeFieldMapFile(path, format, fileSource(size.isValid() ? size : this->size()));
}

FieldMapFileSource FieldMapView::fileSource(QSize size) const {
    // Texts of the SVG drawing take the sizes they have on the screen.
    return {map_, options_, size, logicalDpiX(), caption()};
}

void FieldMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFieldMap(painter, layout());
}

void FieldMapView::resizeEvent(QResizeEvent* event) {
    layout_.reset();
    ResultView::resizeEvent(event);
}

void FieldMapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const auto point = mapPointAt(layout().plot, map_.grid, {at.x(), at.y()});
    status_(point ? pointText(*point) : QString());
    ResultView::mouseMoveEvent(event);
}

void FieldMapView::leaveEvent(QEvent* event) {
    status_(QString());
    ResultView::leaveEvent(event);
}

QString FieldMapView::pointText(const MapGridPoint& point) const {
    const QString where =
        tr("x = %1 m, y = %2 m")
            .arg(decimal(map_.grid.x(point.column), 2), decimal(map_.grid.y(point.row), 2));
    const double value = map_.at(point.column, point.row);
    if (!FieldMap::hasValue(value)) {
        return tr("%1: brak wartości").arg(where);
    }
    const double shown = map_.magnetic ? inMagneticUnit(value, options_.magneticUnit) : value;
    return tr("%1: %2 %3").arg(where, decimal(shown, 3), unitText());
}

QString FieldMapView::unitText() const {
    if (!map_.magnetic) {
        return tr("kV/m");
    }
    return options_.magneticUnit == MagneticUnit::Microtesla ? tr("µT") : tr("A/m");
}

QString fieldMapCaption(int number) {
    return QCoreApplication::translate("velt", "Mapa pola %1.").arg(number);
}

} // namespace velt
