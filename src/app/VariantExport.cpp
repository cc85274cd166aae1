// Exports of a variant.

#include "app/VariantExport.h"

#include "app/VariantWindow.h"
#include "render/GraphExport.h"

namespace velt {

QString exportFilter() {
    return QStringLiteral("Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;"
                          "Dokument PDF (*.pdf *.PDF);;Tabela CSV (*.csv *.CSV)");
}

bool exportVariant(const VariantView& view, bool towerShifted, const QString& path,
                   GraphFormat format, QSize pictureSize) {
    // Texts of the SVG drawing take the sizes they have on the screen.
    const GraphFileSource source{view.record(), towerShifted,
                                 pictureSize.isValid() ? pictureSize : view.size(),
                                 view.logicalDpiX(), variantCaption(view.number())};
    return writeGraphFile(path.toStdString(), format, source);
}

} // namespace velt
