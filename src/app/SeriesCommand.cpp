// "Seria obliczeń...".

#include "app/SeriesCommand.h"

namespace velt {

void runSeries(VeltApplication& /*app*/, Variants& /*variants*/, QWidget& /*parent*/) {}

} // namespace velt
