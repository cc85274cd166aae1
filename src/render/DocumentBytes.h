#pragma once
// A picture as a file's bytes, whatever it shows: an image on white and its PNG file, an
// SVG drawing, one A4 landscape page as a PDF file.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <string>

class QIODevice;
class QPainter;
class QPaintDevice;

namespace velt {

/// Draws the picture on a canvas of `size` pixels.
using CanvasPaint = std::function<void(QPainter& painter, QSize size)>;
/// Draws a printed page of `page` device pixels of `device`.
using PagePaint = std::function<void(QPainter& painter, QPaintDevice& device, QSize page)>;

/// The picture as an image of `size` pixels on white.
QImage canvasImage(QSize size, const CanvasPaint& paint);

/// The PNG file of `image`; empty when it cannot be encoded.
std::string pngBytes(const QImage& image);

/// The picture of `size` pixels as SVG, texts sized as on a screen of `dpi`.
bool writeSvg(QIODevice& device, QSize size, int dpi, const QString& title,
              const CanvasPaint& paint);

/// The bytes writeSvg writes; empty when it fails.
std::string svgBytes(QSize size, int dpi, const QString& title, const CanvasPaint& paint);

/// One A4 landscape page at 600 dpi, the whole paper as the page, as a PDF file; empty when
/// it could not be drawn.
std::string a4PdfBytes(const PagePaint& paint);

} // namespace velt
