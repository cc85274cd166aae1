#pragma once
// The paint area of a variant window: white, filling the window, owning the variant's own
// copy of the results and drawing its graph from that copy alone.

#include "model/FieldProfile.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace velt {

class VariantView : public QWidget {
    Q_OBJECT

  public:
    /// `towerShifted` reads the live line project's flag, the one live value the graph uses.
    VariantView(const FieldProfile& live, std::function<bool()> towerShifted,
                QWidget* parent = nullptr);
    ~VariantView() override;

    const FieldProfile& record() const { return *record_; }
    int number() const { return record_->variantNumber; }
    /// The graph as the window shows it, at the paint area's size.
    QImage picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<FieldProfile> record_;
    std::function<bool()> towerShifted_;
};

/// The caption of a variant's window and menu item: "Wariant %d.".
QString variantCaption(int number);

} // namespace velt
