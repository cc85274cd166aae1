#include "cli/SweepCommand.h"

#include "analysis/ExposureLimits.h"
#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "cli/ProgressBar.h"
#include "series/SeriesCsv.h"
#include "series/SeriesRun.h"

#include <algorithm>
#include <sstream>

namespace velt {
namespace {

struct SweepOptions {
    std::string project;
    std::vector<std::string> varies;
    std::string csvFile;
    std::string limits;
    int threads = 0;
};

std::string keyList(const std::vector<std::string>& keys) {
    std::string list;
    for (const std::string& key : keys) {
        list.append(list.empty() ? "" : ", ").append(key);
    }
    return list;
}

void describe(CLI::App& app, SweepOptions& o) {
    app.add_option("PROJECT", o.project, "line project file (JSON)")->required();
    app.add_option("--vary", o.varies,
                   "KEY=FROM:TO:STEP, or phaseOrder=all (both phase orders); repeat for more "
                   "keys, the first changing slowest. KEY: " +
                       keyList(seriesKeyNames()))
        ->required()
        ->allow_extra_args(false);
    app.add_option("-o", o.csvFile, "write the CSV to FILE (default: standard output)");
    app.add_option("--limits", o.limits,
                   "KEY[,KEY...] built-in levels whose zones the rows give, instead of the "
                   "project's \"limits\": " +
                       keyList(builtInLimitKeys()));
    app.add_option("--threads", o.threads,
                   "threads to share the calculations (default: one a core)")
        ->check(CLI::Range(1, 1024));
    app.footer("Columns: the varied keys, max (the profile's largest value: kV/m, or A/m peak "
               "for the magnetic field; on the conductors the largest surface field), "
               "maxPosition (m from the tower axis, left < 0; the height on a vertical line), "
               "zone:KEY:from, zone:KEY:to and zone:KEY:width of every level (m; empty when "
               "the level is never reached), refused (the refusal's message).\n"
               "Exit status: 0 all computed, 1 a file cannot be read or written, 2 some "
               "combination was refused (the CSV is still written) or bad arguments.");
}

// The built-in levels a --limits list names; false, with a message, for an unknown key.
bool builtInLimitsOf(const std::string& list, std::vector<ExposureLimit>& limits,
                     std::ostream& err) {
    std::istringstream keys(list);
    for (std::string key; std::getline(keys, key, ',');) {
        const ExposureLimit* limit = findBuiltInLimit(key);
        if (limit == nullptr) {
            err << "velt-calc: --limits: unknown level \"" << key
                << "\" (known: " << keyList(builtInLimitKeys()) << ")\n";
            return false;
        }
        if (std::find(limits.begin(), limits.end(), *limit) != limits.end()) {
            err << "velt-calc: --limits: \"" << key << "\" is given twice\n";
            return false;
        }
        limits.push_back(*limit);
    }
    return true;
}

SeriesOutcome runWithProgress(const SeriesPlan& plan, int threads, std::ostream& err,
                              bool progressBar) {
    SeriesRunOptions run;
    run.threads = threads;
    ProgressBar bar(err, combinationCount(plan));
    if (progressBar) {
        run.progress = [&bar](std::size_t done) { bar.show(done); };
    }
    SeriesOutcome outcome = runSeries(plan, run);
    bar.finish();
    return outcome;
}

int writeCsv(const SweepOptions& o, const SeriesPlan& plan, const SeriesOutcome& outcome,
             std::ostream& out, std::ostream& err) {
    std::ostringstream csv;
    writeSeriesCsv(csv, plan, outcome.rows);
    if (o.csvFile.empty()) {
        out << csv.str();
    } else if (writeWholeFile(o.csvFile, csv.str(), err)) {
        out << o.csvFile << '\n';
    } else {
        return kExitFileError;
    }
    const bool refused = std::any_of(outcome.rows.begin(), outcome.rows.end(),
                                     [](const auto& r) { return r.state != RowState::Computed; });
    return refused ? kExitRefused : kExitDone;
}

} // namespace

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    bool progressBar) {
    SweepOptions o;
    const SeriesCommand sweep{"Calculates a line project once for every combination of varied "
                              "values and writes one CSV row per combination.",
                              "velt-calc sweep", [&o](CLI::App& app) { describe(app, o); }};
    std::optional<SeriesProject> project;
    if (const auto status = openCommandProject(sweep, args, o.project, project, out, err)) {
        return *status;
    }
    auto planned = planSeries(std::move(*project), o.varies);
    if (const auto* message = std::get_if<std::string>(&planned)) {
        err << "velt-calc: " << *message << '\n';
        return kExitRefused;
    }
    SeriesPlan& plan = std::get<SeriesPlan>(planned);
    if (!o.limits.empty()) {
        plan.limits.clear();
        if (!builtInLimitsOf(o.limits, plan.limits, err)) {
            return kExitRefused;
        }
    }
    return writeCsv(o, plan, runWithProgress(plan, o.threads, err, progressBar), out, err);
}

} // namespace velt
