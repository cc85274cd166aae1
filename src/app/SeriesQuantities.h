#pragma once
// The quantities a series varies and the levels it is weighed against, as the user reads
// them: the series dialog's lists and the series graph.

#include "model/CalculationOptions.h"

#include <QString>

#include <string>

namespace velt {

struct SeriesQuantity {
    QString name;
    QString unit; ///< empty for a choice
};

/// The quantity of a series key ("workingHeight", "neighbours[2].offset", ...).
SeriesQuantity seriesQuantityOf(const std::string& key);

/// "name [unit]", or the name alone.
QString quantityWithUnit(const SeriesQuantity& quantity);

/// A level's name: a built-in one's in the user's language, the user's own as given.
QString levelName(const ExposureLimit& limit);

} // namespace velt
