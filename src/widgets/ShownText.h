#pragma once
// The program's own texts as the user sees them: the core's Polish messages, hints and
// statuses in the interface's language (as they are when no translation is installed).

#include <QString>

#include <string>

namespace velt {

QString shownText(const std::string& text);
QString shownText(const QString& text);

} // namespace velt
