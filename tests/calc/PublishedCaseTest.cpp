// A published multi-circuit case through the engines' conductor list: FIELDS (Southern
// California Edison), case HL_P "High Load Proposed", three circuits and three ground wires,
// profile at 3 ft. Lengths in ft and in, voltages line-to-line, currents RMS; the printed
// B is in mG and E in kV/m, both RMS, rounded to 3 decimals.

#include "calc/ElectricEngine.h"
#include "calc/MagneticEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velt {
namespace {

constexpr double kFoot = 0.3048;
constexpr double kInch = 0.0254;
constexpr double kHeight = 3 * kFoot;
/// mG per A/m in air: mu0 [T m/A] times 1e7 mG/T.
constexpr double kMilligaussPerAmpere = 4e-7 * std::numbers::pi * 1e7;

struct Conductor {
    double x, y;     ///< [ft]
    double diameter; ///< [in]
    double current;  ///< [A]
    double voltage;  ///< line-to-line [kV]
    double angle;    ///< [deg]
};

// The ground wires' diameter is read as 1.0 in (the file's own ground-wire block says 1,
// its repeated block .50; only 1.0 in reproduces the printed E).
const Conductor kCase[] = {
    {-25, 24, .97, 1664, 345, 0}, {-20, 24, .97, 1664, 345, 120}, {-15, 24, .97, 1664, 345, 240},
    {-5, 24, .97, 1355, 315, 0},  {0, 24, .97, 1355, 315, 120},   {5, 24, .97, 1355, 315, 240},
    {17, 22, .97, 1664, 345, 0},  {23, 27, .97, 1664, 345, 120},  {17, 32, .97, 1664, 345, 240},
    {-23, 30, 1.0, 0, 0, 0},      {3, 30, 1.0, 0, 0, 0},          {17, 36, 1.0, 0, 0, 0},
};

struct Row {
    double distance;    ///< [ft]
    double bProd, bMax; ///< [mG]
    double eProd, eMax; ///< [kV/m]
};

const Row kPrinted[] = {
    {-100, 22.293, 22.259, 0.179, 0.179},  {-45, 109.034, 109.022, 1.949, 1.948},
    {-32, 168.379, 168.355, 2.850, 2.850}, {-24, 186.839, 186.838, 2.273, 2.272},
    {0, 114.462, 111.809, 0.930, 0.929},   {18, 117.613, 115.273, 2.461, 2.417},
    {24, 128.980, 126.000, 2.219, 2.156},  {45, 80.896, 77.842, 1.212, 1.208},
    {100, 19.413, 18.785, 0.179, 0.179},
};

ConductorList caseConductors() {
    ConductorList list;
    for (const Conductor& c : kCase) {
        FieldConductor f;
        f.x = c.x * kFoot;
        f.y = c.y * kFoot;
        f.radius = 0.5 * c.diameter * kInch;
        const double angle = c.angle * std::numbers::pi / 180.0;
        f.voltage = sinusoidOf(c.voltage * std::sqrt(2.0) / std::sqrt(3.0), angle);
        f.current = sinusoidOf(c.current * std::sqrt(2.0), angle);
        f.role = c.current > 0.0 ? ConductorRole::Working : ConductorRole::Ground;
        list.push_back(f);
    }
    return list;
}

// Printed to 3 decimals: B agrees to the last printed digit (within 0.0005 mG), E to the
// printed digit plus the 0.002 kV/m by which the program that printed it is known to
// differ from double arithmetic (0.0021 kV/m at most here, at 24 ft).
constexpr double kMilligaussTolerance = 0.0005;
constexpr double kElectricTolerance = 0.0025;
// Sampling the period at 41 instants misses the ellipse's axis by at most 4.5 degrees.
const double kSampling = 1.0 - std::cos(4.5 * std::numbers::pi / 180.0);

TEST(PublishedCase, FieldsHighLoadProposed) {
    const auto electric = ElectricEngine::solve(caseConductors());
    ASSERT_TRUE(electric);
    const MagneticEngine magnetic(caseConductors());
    for (const Row& row : kPrinted) {
        SCOPED_TRACE(row.distance);
        const double x = row.distance * kFoot;
        const FieldEllipse b = magnetic.ellipse(x, kHeight);
        EXPECT_NEAR(b.resultant * kMilligaussPerAmpere, row.bProd, kMilligaussTolerance);
        EXPECT_NEAR(b.semiMajor * kMilligaussPerAmpere, row.bMax, kMilligaussTolerance);
        const FieldEllipse e = electric->ellipse(x, kHeight);
        EXPECT_NEAR(e.resultant, row.eProd, kElectricTolerance);
        EXPECT_NEAR(e.semiMajor, row.eMax, kElectricTolerance);

        const double sampledH = magnetic.at(x, kHeight).magnitude / std::sqrt(2.0);
        EXPECT_LE(sampledH, b.semiMajor * (1 + 1e-12));
        EXPECT_GE(sampledH, b.semiMajor * (1 - kSampling));
        const double sampledE = electric->rms(x, kHeight);
        EXPECT_LE(sampledE, e.semiMajor * (1 + 1e-12));
        EXPECT_GE(sampledE, e.semiMajor * (1 - kSampling));
    }
}

} // namespace
} // namespace velt
