#include "RunFolder.h"

#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"

#include <cmath>
#include <regex>

namespace velt {
namespace {

using testing::json;
using testing::samplePositions;

using Target = testing::RunFolder;

// The Z52 example with its tower 50 m along a 100 m line: both sides of the axis computed.
json shiftedZ52() {
    json project = Target::example("z52-horizontal");
    project["towerShift"] = 50.0;
    project["range"] = 100.0;
    project.erase("drawRange");
    return project;
}

json h52InMicrotesla() {
    json project = Target::example("h52-magnetic-building");
    project["magneticUnit"] = "uT";
    project["limits"] = {{{"name", "Próg"}, {"electric", 1.0}, {"magnetic", 2.0}}};
    return project;
}

struct Case {
    const char* name;
    json project;
    const char* limit;
    double at;
    bool beyond;
    double level; ///< in the profile's quantity: a magnetic level x sqrt 2
    const char* unit;
};

// The largest sample at -at and at (with `beyond`: every sample as far out or farther).
double largestSample(const json& profile, double at, bool beyond) {
    const std::vector<double> x = samplePositions(profile);
    double largest = -1.0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double d = std::fabs(x[k]);
        if (beyond ? d >= at - 1e-6 : std::fabs(d - at) < 1e-6) {
            largest = std::max(largest, profile["resultValue"][k].get<double>());
        }
    }
    return largest;
}

// The answer meets the level and 1 cm lower does not, in single calculations of the
// project with those heights written in (the ground wires following).
TEST_F(Target, FindsTheLowestHeightOnTheCentimetreGrid) {
    const Case cases[] = {
        {"electric at 20 m", shiftedZ52(), "pl-residential", 20.0, false, 1.0, "kV/m"},
        {"electric beyond 15 m", shiftedZ52(), "pl-residential", 15.0, true, 1.0, "kV/m"},
        {"magnetic at 20 m", h52InMicrotesla(), "Próg", 20.0, false, 2.0 * std::sqrt(2.0), "µT"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"target",  write("p.json", c.project).string(),
                                         "--limit", c.limit,
                                         "--at",    formatGeneral(c.at),
                                         "--json",  (dir / "t.json").string()};
        if (c.beyond) {
            args.push_back("--beyond");
        }
        const auto r = run(args);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;
        const json answer = json::parse(testing::fileBytes(dir / "t.json"));
        EXPECT_EQ(answer["key"], "workingHeight");
        EXPECT_EQ(answer["unit"], c.unit);
        const double value = answer["value"];
        const long cm = std::lround(value / 0.01);
        EXPECT_EQ(r.out, "workingHeight=" + formatNumber("%.2f", value) + " m, " +
                             formatNumber("%.3f", answer["field"]) + " " + c.unit + "\n");

        const double groundAbove =
            c.project["groundWireHeight"].get<double>() - c.project["workingHeight"].get<double>();
        double field[2] = {};
        for (const int lower : {0, 1}) {
            json written = c.project;
            const double height = static_cast<double>(cm - lower) * 0.01;
            written["workingHeight"] = height;
            written["groundWireHeight"] = height + groundAbove;
            const auto s = single(written);
            ASSERT_EQ(s.status, 0) << c.name;
            field[lower] = largestSample(s.profile, c.at, c.beyond);
        }
        EXPECT_LE(field[0], c.level) << c.name;
        EXPECT_GT(field[1], c.level) << c.name;
        const double stated =
            c.project["field"] == "magnetic" ? microteslaOf(field[0] / std::sqrt(2.0)) : field[0];
        EXPECT_NEAR(answer["field"].get<double>(), stated, 1e-9 * stated) << c.name;
    }
}

// Ground wires low enough never raise the field at 30 m: the answer is the lowest height
// the project takes, and 1 cm lower is refused by the line's own checks.
TEST_F(Target, AnswersTheLowestHeightTheProjectTakesWhenTheLevelIsMetThroughout) {
    const json project = shiftedZ52();
    const auto r = run({"target", write("p.json", project).string(), "--limit", "pl-residential",
                        "--at", "30", "--vary", "groundWireHeight"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::smatch m = [&] {
        std::smatch match;
        std::regex_match(r.out, match, std::regex("groundWireHeight=([0-9.]+) m, .* kV/m\n"));
        return match;
    }();
    ASSERT_EQ(m.size(), 2u) << r.out;
    EXPECT_NE(r.err.find("1 cm lower"), std::string::npos) << r.err;
    const long cm = std::lround(std::stod(m[1]) / 0.01);
    for (const int lower : {0, 1}) {
        json written = project;
        written["groundWireHeight"] = static_cast<double>(cm - lower) * 0.01;
        EXPECT_EQ(single(written).status, lower == 0 ? 0 : 2);
    }
}

struct Refused {
    json project;
    std::vector<std::string> args;
    const char* message;
};

TEST_F(Target, RefusesWhatItCannotAnswer) {
    json tooLow = shiftedZ52();
    tooLow["limits"] = {{{"name", "Niski"}, {"electric", 0.001}, {"magnetic", 0.001}}};
    const Refused cases[] = {
        {tooLow, {"--limit", "Niski", "--at", "0"}, "no workingHeight up to 100 m"},
        {shiftedZ52(), {"--limit", "pl-residential", "--at", "60"}, "outside the computed range"},
        {shiftedZ52(), {"--limit", "pl-residential", "--at", "-1"}, "must be 0 or more"},
        {shiftedZ52(), {"--limit", "nothing", "--at", "10"}, "--limit nothing: no such level"},
        {shiftedZ52(),
         {"--limit", "pl-residential", "--at", "10", "--vary", "towerShift"},
         "--vary"},
        {example("s12-conductors-interference"),
         {"--limit", "pl-residential", "--at", "10"},
         "along a horizontal line"},
    };
    for (const Refused& c : cases) {
        std::vector<std::string> args = {"target", write("p.json", c.project).string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace velt
