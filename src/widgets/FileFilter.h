#pragma once
// File-dialog filters are written as "description|pattern" pairs; Qt wants
// "description (pattern)" entries separated by ";;".

#include <QString>

namespace velt {

/// "Pliki (*.txt)|*.txt|Wszystkie (*.*)|*.*" -> "Pliki (*.txt);;Wszystkie (*.*)". A
/// description without its pattern in parentheses gets it appended.
QString qtFileFilter(const QString& filter);

} // namespace velt
