#pragma once
// The text report of one variant: line, conductors, then the surface results or the table
// of the profile.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"

#include <functional>
#include <ostream>
#include <string>

namespace velt {

inline const std::string kCannotCreateFileMessage = "NIE MOGE UTWORZYC PLIKU: ";

/// Writes the report of `profile` as UTF-8 text with "\n" line ends; the lines of the
/// options a calculation used follow when `extras` are given.
void writeReportText(std::ostream& out, const FieldProfile& profile,
                     const CalculationExtras* extras = nullptr);

/// Number of table rows: the point count of the pass that made the profile.
int reportRowCount(const FieldProfile& profile);

/// Writes the report to `chosenName` with its extension replaced by ".txt", in
/// Windows-1250 with CR LF. When the file cannot be created or written, `showMessage` gets
/// "NIE MOGE UTWORZYC PLIKU: " and the file name, and the result is false.
bool writeReport(const std::string& chosenName, const FieldProfile& profile,
                 const std::function<void(const std::string&)>& showMessage,
                 const CalculationExtras* extras = nullptr);

} // namespace velt
