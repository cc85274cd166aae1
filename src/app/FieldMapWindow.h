#pragma once
// The paint area of a map variant: its own copy of the map and of the options it was drawn
// with, the picture at the window's size, and the value under the mouse in the status bar.
// "Zapisz wyniki" writes the picture as GIF and, as ".txt" beside it, the map's table in the
// form "Eksportuj wariant..." gives as CSV.

#include "analysis/FieldMap.h"
#include "app/ResultView.h"
#include "model/CalculationOptions.h"
#include "render/FieldMapLayout.h"
#include "render/FieldMapPick.h"

#include <functional>

namespace velt {

struct FieldMapFileSource;

class FieldMapView : public ResultView {
    Q_OBJECT

  public:
    /// Shows a text in the main window's message panel (empty: clears it).
    using StatusLine = std::function<void(const QString&)>;

    FieldMapView(FieldMap map, CalculationOptions options, int number, StatusLine status,
                 QWidget* parent = nullptr);

    const FieldMap& map() const { return map_; }
    /// The map as the window shows it, at the paint area's size in logical pixels.
    QImage picture() const;
    /// The picture's layout at the paint area's size, as painted.
    const FieldMapLayout& layout();

    int number() const override { return number_; }
    QString caption() const override;
    std::vector<std::string> resultFiles(const std::string& chosen) const override;
    std::optional<std::string> writeResults(const std::string& chosen) const override;
    bool print(QPrinter& printer) const override;
    QString exportFilter() const override;
    bool exportTo(const std::string& path, GraphFormat format, QSize size) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    FieldMapFileSource fileSource(QSize size) const;
    /// "x = …, y = …: value unit" of a grid point, or "brak wartości" where it has none.
    QString pointText(const MapGridPoint& point) const;
    QString unitText() const;

    FieldMap map_;
    CalculationOptions options_;
    int number_;
    StatusLine status_;
    std::optional<FieldMapLayout> layout_;
};

/// The caption of a map variant's window and menu item: "Mapa pola %d.".
QString fieldMapCaption(int number);

} // namespace velt
