#pragma once
// The series core words its refusals for velt-calc's --vary arguments; the series dialog
// shows them in the user's terms.

#include <QString>

#include <string>

namespace velt {

/// The refusal `message` of planning `argument` as the series dialog shows it: the range's
/// faults in the user's language; any other reason as the core gives it.
QString seriesRefusalText(const std::string& message, const std::string& argument);

} // namespace velt
