#pragma once
// A numbered result window of the main frame: the graph of a calculation, a field map or a
// series of calculations. The main window saves, prints and exports whichever is active
// through this one interface.

#include "results/GraphFormat.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace velt {

class ResultView : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    /// The number of the variant, shared by every kind of result window.
    virtual int number() const = 0;
    /// The window's caption and its "Wykres" menu item.
    virtual QString caption() const = 0;

    /// "Zapisz wyniki": the files written under `chosen` (the picture first, when there is
    /// one), and writing them; the failure message when one could not be written.
    virtual std::vector<std::string> resultFiles(const std::string& chosen) const = 0;
    virtual std::optional<std::string> writeResults(const std::string& chosen) const = 0;

    /// "Drukuj wyniki" on a printer; false when it could not be opened.
    virtual bool print(QPrinter& printer) const = 0;

    /// "Eksportuj wariant...": the save question's filter, and the file in `format`, a
    /// picture at `size` logical pixels; whole or not at all.
    virtual QString exportFilter() const = 0;
    virtual bool exportTo(const std::string& path, GraphFormat format, QSize size) const = 0;
};

} // namespace velt
