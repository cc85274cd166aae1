#pragma once
// The paint area of a series variant: white, filling the window, owning the series' rows and
// drawing their graph.

#include "app/ResultView.h"
#include "app/SeriesResult.h"
#include "render/SeriesGraphLayout.h"

#include <QImage>

#include <memory>

namespace velt {

class SeriesView : public ResultView {
    Q_OBJECT

  public:
    SeriesView(int number, SeriesResult result, QWidget* parent = nullptr);
    ~SeriesView() override;

    const SeriesResult& result() const { return *result_; }
    const SeriesGraph& graph() const { return *graph_; }
    /// The graph as the window shows it, at the paint area's size.
    QImage picture() const;

    int number() const override { return number_; }
    QString caption() const override;
    std::vector<std::string> resultFiles(const std::string& chosen) const override;
    std::optional<std::string> writeResults(const std::string& chosen) const override;
    bool print(QPrinter& printer) const override;
    QString exportFilter() const override;
    bool exportTo(const std::string& path, GraphFormat format, QSize size) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    /// The series as CSV, one row a calculation.
    std::string table() const;

    int number_;
    std::unique_ptr<SeriesResult> result_;
    std::unique_ptr<SeriesGraph> graph_;
};

} // namespace velt
