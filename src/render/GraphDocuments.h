#pragma once
// The graph as a document: the printed page (on a printer or as a PDF file) and the window
// version as an SVG drawing, for the desktop program and velt-calc alike. Each takes what
// the calculation's options add to the graph; none: the graph as it always was.

#include "model/FieldProfile.h"
#include "render/PainterHelpers.h"
#include "render/SourceText.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

class QIODevice;
class QPainter;
class QPaintDevice;

namespace velt {

struct CalculationExtras;

/// The printed version on a landscape page of `page` device pixels of `device`, in the
/// painter's font scaled down where the page's panel needs it.
void paintPrintedPage(QPainter& painter, QPaintDevice& device, QSize page,
                      const FieldProfile& profile, bool towerShifted,
                      const CalculationExtras* extras = nullptr);

/// The printed page as a PDF file of one A4 landscape page at 600 dpi; empty when it could
/// not be drawn.
std::string graphPdfBytes(const FieldProfile& profile, bool towerShifted,
                          const CalculationExtras* extras = nullptr);

/// The window version as an image of `size` pixels on white, as a window of that size shows it.
/// Its texts in the user's language; the GIF of the results keeps the program's own (untranslated).
QImage graphImage(QSize size, const FieldProfile& profile, bool towerShifted,
                  const CalculationExtras* extras = nullptr,
                  SourceTranslator translate = translatedSource);

/// The window version of `size` pixels as SVG, texts sized as on a screen of `dpi`.
bool writeGraphSvg(QIODevice& device, QSize size, int dpi, const FieldProfile& profile,
                   bool towerShifted, const QString& title,
                   const CalculationExtras* extras = nullptr);

} // namespace velt
