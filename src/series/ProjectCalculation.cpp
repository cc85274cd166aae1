#include "series/ProjectCalculation.h"

#include "calc/CalculationDriver.h"
#include "project/BatchUi.h"

#include <sstream>

namespace velt {
namespace {

// The shown messages, without the last line end.
std::string messagesOf(const std::ostringstream& shown) {
    std::string text = shown.str();
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

// Zero records, as the loader takes them; allocated once.
template <class Record> void clearRecord(std::unique_ptr<Record>& record) {
    if (record) {
        *record = Record{};
    } else {
        record = std::make_unique<Record>();
    }
}

void clear(ProjectCalculation& c) {
    clearRecord(c.project);
    clearRecord(c.loaded);
    clearRecord(c.profile);
    c.computed = false;
    c.refused.clear();
}

} // namespace

std::string projectTextWith(const SeriesProject& project, const std::vector<KeyValue>& values) {
    nlohmann::json document = project.document;
    for (const KeyValue& value : values) {
        writeSeriesValue(document, value.key, value.value);
    }
    return document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

ProjectCalculation calculateWith(const SeriesProject& project,
                                 const std::vector<KeyValue>& values) {
    ProjectCalculation c;
    calculateInto(c, project, values);
    return c;
}

void calculateInto(ProjectCalculation& c, const SeriesProject& project,
                   const std::vector<KeyValue>& values) {
    clear(c);
    const LoadResult load =
        loadProject(projectTextWith(project, values), project.folder, *c.project, *c.loaded);
    if (load.status != LoadStatus::Accepted) {
        c.refused = load.message;
        return;
    }
    std::ostringstream shown;
    BatchUi ui(c.loaded->answers, shown);
    PassContext ctx{*c.project, *c.profile, c.loaded->form, ui};
    c.computed = calculate(ctx) == CalculationOutcome::Done;
    if (!c.computed) {
        c.refused = messagesOf(shown);
    }
}

} // namespace velt
