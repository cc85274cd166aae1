#pragma once
// "Mapa pola...": asks the grid and opens a map variant of the current set-up.

class QWidget;

namespace velt {

class Variants;
class VeltApplication;

void openFieldMap(VeltApplication& app, Variants& variants, QWidget& parent);

} // namespace velt
