// "Mapa pola...".

#include "app/FieldMapCommand.h"

namespace velt {

void openFieldMap(VeltApplication& /*app*/, Variants& /*variants*/, QWidget& /*parent*/) {}

} // namespace velt
