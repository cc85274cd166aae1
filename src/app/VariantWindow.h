#pragma once
// The paint area of a variant window: white, filling the window, owning the variant's own
// copy of the results and drawing its graph from that copy alone.

#include "analysis/CalculationExtras.h"
#include "app/ResultView.h"
#include "model/FieldProfile.h"

#include <functional>
#include <memory>

namespace velt {

class VariantView : public ResultView {
    Q_OBJECT

  public:
    /// `towerShifted` reads the live line project's flag, the one live value the graph uses.
    VariantView(const FieldProfile& live, CalculationExtras extras,
                std::function<bool()> towerShifted, QWidget* parent = nullptr);
    ~VariantView() override;

    const FieldProfile& record() const { return *record_; }
    const CalculationExtras& extras() const { return extras_; }
    /// The graph as the window shows it, at the paint area's size.
    QImage picture() const;

    int number() const override { return record_->variantNumber; }
    QString caption() const override;
    std::vector<std::string> resultFiles(const std::string& chosen) const override;
    std::optional<std::string> writeResults(const std::string& chosen) const override;
    bool print(QPrinter& printer) const override;
    QString exportFilter() const override;
    bool exportTo(const std::string& path, GraphFormat format, QSize size) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool towerShifted() const { return towerShifted_ && towerShifted_(); }
    /// What the options add to the graph; none without options, so that the graph is as
    /// it always was.
    const CalculationExtras* drawnExtras() const;

    std::unique_ptr<FieldProfile> record_;
    CalculationExtras extras_;
    std::function<bool()> towerShifted_;
};

/// The caption of a variant's window and menu item: "Wariant %d.".
QString variantCaption(int number);

} // namespace velt
