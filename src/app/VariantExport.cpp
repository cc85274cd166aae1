// Exports of a variant.

#include "app/VariantExport.h"

#include "app/VariantPrinting.h"
#include "app/VariantWindow.h"
#include "render/GraphDocuments.h"
#include "results/ProfileCsv.h"

#include <QFileInfo>
#include <QSaveFile>

#include <sstream>

namespace velt {
namespace {

bool writeSvg(QSaveFile& file, const VariantView& view, bool towerShifted) {
    // Texts take the sizes they have on the screen.
    return writeGraphSvg(file, view.size(), view.logicalDpiX(), view.record(), towerShifted,
                         variantCaption(view.number()));
}

bool writePng(QSaveFile& file, const VariantView& view, bool towerShifted, QSize size) {
    if (!size.isValid() || size == view.size()) {
        return view.picture().save(&file, "PNG");
    }
    return graphImage(size, view.record(), towerShifted).save(&file, "PNG");
}

bool writeCsv(QSaveFile& file, const VariantView& view) {
    std::ostringstream table;
    writeProfileCsv(table, view.record());
    const std::string text = table.str();
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

} // namespace

QString exportFilter() {
    return QStringLiteral("Obraz PNG (*.png);;Rysunek SVG (*.svg);;Dokument PDF (*.pdf);;"
                          "Tabela CSV (*.csv)");
}

std::optional<ExportFormat> exportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ExportFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return ExportFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return ExportFormat::Pdf;
    }
    if (suffix == QLatin1String("csv")) {
        return ExportFormat::Csv;
    }
    return std::nullopt;
}

bool exportVariant(const VariantView& view, bool towerShifted, const QString& path,
                   ExportFormat format, QSize pngSize) {
    if (format == ExportFormat::Pdf) {
        return printVariantToPdf(path, view.record(), towerShifted);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    bool written = false;
    switch (format) {
    case ExportFormat::Png:
        written = writePng(file, view, towerShifted, pngSize);
        break;
    case ExportFormat::Svg:
        written = writeSvg(file, view, towerShifted);
        break;
    default:
        written = writeCsv(file, view);
        break;
    }
    if (!written) {
        file.cancelWriting();
    }
    return file.commit() && written;
}

} // namespace velt
