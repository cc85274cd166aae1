#pragma once
// Texts of the core that the desktop program shows: marked for the translation tools, kept
// as they are here. The desktop program looks each one up in the context "velt".

/// The text itself; the translation tools collect it under `context`.
#define VELT_TRANSLATE_NOOP(context, text) text
