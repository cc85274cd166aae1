#pragma once
// A line project file of velt-calc: the values a user would type into the line-data dialog
// and its companions, put through the same checks in the same order.

#include "linedata/LineSetup.h"
#include "model/LineProject.h"

#include <optional>
#include <string>

namespace velt {

/// The answers to the questions of the calculation itself.
struct CalculationAnswers {
    std::optional<double> range;     ///< missing: the range dialog's proposal is kept
    std::optional<double> drawRange; ///< missing: the drawing-range dialog's proposal is kept
    std::string comment;
};

/// The dialogs' state after a project file was loaded, and the calculation's answers.
struct LoadedProject : LineDialogState {
    CalculationAnswers answers;
};

enum class LoadStatus {
    Accepted,  ///< the line data are accepted and ready for the calculation
    Refused,   ///< a check refused the data, or the file is malformed
    FileError, ///< a file the project names cannot be read
};

struct LoadResult {
    LoadStatus status = LoadStatus::Refused;
    std::string message; ///< the refusal or file message, as velt-calc writes it
    /// The same in Polish where the message is the reader's own (English) one; empty where
    /// the message is one of the program's (Polish) texts already.
    std::string polishMessage{};
};

/// Loads `jsonText` (UTF-8) into `project` (zero on entry) and `loaded`. `folder` is where
/// files named by the project are looked up (the project file's folder; empty for the
/// current one). Numbers become the dialog texts with full precision and are read back by
/// the dialogs' own reader.
LoadResult loadProject(const std::string& jsonText, const std::string& folder, LineProject& project,
                       LoadedProject& loaded);

/// The text a dialog field shows for a number of the project file.
std::string numberText(double value);

} // namespace velt
