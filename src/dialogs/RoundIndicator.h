#pragma once
// A round lamp in one colour, with the reason for it in its hint.

#include <QColor>
#include <QWidget>

namespace velt {

class RoundIndicator : public QWidget {
    Q_OBJECT

  public:
    explicit RoundIndicator(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

    QSize sizeHint() const override { return {17, 17}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_ = Qt::white;
};

} // namespace velt
