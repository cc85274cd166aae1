#pragma once
// A drawing area whose picture comes from a function its form sets: what the picture shows
// is drawn elsewhere, on any painter.

#include <QWidget>

#include <functional>

class QPainter;

namespace velt {

class PaintBox : public QWidget {
    Q_OBJECT

  public:
    /// Draws the whole area of the given size.
    using Painter = std::function<void(QPainter&, QSize)>;

    explicit PaintBox(QWidget* parent = nullptr);

    void setPainter(Painter painter);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter painter_;
};

} // namespace velt
