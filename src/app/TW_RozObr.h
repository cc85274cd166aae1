#pragma once
// "Rozmiar obrazu": the size of an exported PNG image, the variant window's by default.

#include "widgets/ModalDialog.h"

#include <QSize>

class QSpinBox;

namespace velt {

class TW_RozObr : public ModalDialog {
    Q_OBJECT

  public:
    /// The largest side, as velt-calc's --size takes it.
    static constexpr int kLargestSide = 10000;

    explicit TW_RozObr(QSize windowSize, QWidget* parent = nullptr);

    QSize imageSize() const;

  private:
    QSpinBox* width_;
    QSpinBox* height_;
};

} // namespace velt
