// The calculation's options kept between runs.

#include "app/OptionSettings.h"

#include "project/OptionsReader.h"
#include "project/OptionsWriter.h"
#include "project/ProjectFile.h"

#include <QSettings>

namespace velt {
namespace {

const char* const kKey = "options";

QSettings settings() {
    return QSettings(QStringLiteral("VELT"), QStringLiteral("VELT"));
}

} // namespace

CalculationOptions loadOptionSettings() {
    const QString text = settings().value(QLatin1String(kKey)).toString();
    if (text.isEmpty()) {
        return {};
    }
    // Kept in the project file's form, read by its reader: what it refuses is not used.
    const nlohmann::json kept = nlohmann::json::parse(text.toStdString(), nullptr, false);
    if (!kept.is_object()) {
        return {};
    }
    CalculationOptions options;
    try {
        readOptions(kept, {}, false, options);
    } catch (...) {
        return {};
    }
    return options;
}

void saveOptionSettings(const CalculationOptions& options) {
    settings().setValue(QLatin1String(kKey), QString::fromStdString(optionsJson(options).dump()));
}

} // namespace velt
