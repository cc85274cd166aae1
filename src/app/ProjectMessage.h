#pragma once
// A project file's refusal in the interface's language: the reader words its own refusals
// in English for velt-calc, and in Polish too for the Polish interface.

#include "project/ProjectFile.h"

#include <QString>

namespace velt {

QString projectMessage(const LoadResult& result);

} // namespace velt
