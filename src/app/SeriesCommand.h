#pragma once
// "Seria obliczeń...": one varied quantity over a range, run in the background, shown as a
// series variant. A series stopped with "Przerwij" opens nothing.

class QWidget;

namespace velt {

class Variants;
class VeltApplication;

void runSeries(VeltApplication& app, Variants& variants, QWidget& parent);

} // namespace velt
