#pragma once
// The small pictures on the toolbar buttons, drawn by the program itself.

#include <QIcon>

namespace velt {

/// The glyph of the toolbar button named `button` ("BitBtn4", ...); empty for others.
QIcon toolbarGlyph(const QString& button);

} // namespace velt
