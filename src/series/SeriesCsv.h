#pragma once
// A series as CSV: a header row naming the columns, then one row per combination.

#include "series/SeriesRow.h"

#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// How a level names its zone columns: its key, or its name for a level of the user's own.
std::string zoneColumnKey(const ExposureLimit& limit);

/// Columns: the varied keys as given, max, maxPosition, zone:KEY:from, zone:KEY:to and
/// zone:KEY:width for every level of the plan, refused. Numbers with a point and 17
/// significant digits; a cell is empty where the row has no value (a zone never reached,
/// a refused row); texts quoted where CSV needs it. Rows end in LF.
void writeSeriesCsv(std::ostream& out, const SeriesPlan& plan, const std::vector<SeriesRow>& rows);

} // namespace velt
