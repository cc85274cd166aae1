// The built-in exposure levels, the magnetic units and the checks of a project's levels.

#include "analysis/ExposureLimits.h"
#include "analysis/MagneticUnits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velt {
namespace {

TEST(ExposureLimits, BuiltInLevels) {
    const struct {
        const char* key;
        const char* name;
        double electric, magnetic;
    } expected[] = {
        {"pl-residential", "Tereny zabudowy mieszkaniowej (PL)", 1, 60},
        {"pl-accessible", "Miejsca dostępne dla ludności (PL)", 10, 60},
        {"icnirp-2010-public", "ICNIRP 2010, ogół ludności", 5, 159.1549},
        {"icnirp-2010-occupational", "ICNIRP 2010, pracownicy", 10, 795.7747},
        {"eu-1999-public", "UE 1999/519/WE, ogół ludności", 5, 79.5775},
    };
    ASSERT_EQ(builtInLimits().size(), std::size(expected));
    std::vector<std::string> keys;
    for (const auto& e : expected) {
        SCOPED_TRACE(e.key);
        const ExposureLimit* limit = findBuiltInLimit(e.key);
        ASSERT_NE(limit, nullptr);
        EXPECT_EQ(limit->name, e.name);
        EXPECT_EQ(limit->electric, e.electric);
        EXPECT_NEAR(limit->magnetic, e.magnetic, 5e-5);
        EXPECT_EQ(checkLimit(*limit), std::nullopt);
        keys.push_back(e.key);
    }
    EXPECT_EQ(builtInLimitKeys(), keys);
    EXPECT_EQ(findBuiltInLimit("icnirp-2010"), nullptr);
}

TEST(MagneticUnits, MicroteslaAndAmperesPerMetre) {
    EXPECT_NEAR(amperesPerMetreOf(200.0), 159.15494, 1e-5);
    EXPECT_NEAR(microteslaOf(60.0), 75.39822, 1e-5);
    EXPECT_NEAR(microteslaOf(amperesPerMetreOf(123.4)), 123.4, 1e-12);
    EXPECT_EQ(inMagneticUnit(60.0, MagneticUnit::AmperesPerMetre), 60.0);
    EXPECT_EQ(inMagneticUnit(60.0, MagneticUnit::Microtesla), microteslaOf(60.0));
}

struct LimitCase {
    const char* name;
    ExposureLimit second; ///< after a valid built-in level
    const char* key;      ///< nullptr: accepted
    const std::string* message;
};

const double kInf = std::numeric_limits<double>::infinity();
const std::string kLongest(64, 'x');
const std::string kPolish64 = [] {
    std::string s;
    for (int i = 0; i < 64; ++i) {
        s += "ż";
    }
    return s;
}();

const LimitCase kLimitCases[] = {
    {"OwnLevel", {"", "Wartości własne", 2.5, 50.0}, nullptr, nullptr},
    {"AnotherBuiltIn", *findBuiltInLimit("eu-1999-public"), nullptr, nullptr},
    {"SixtyFourCharacters", {"", kLongest, 1.0, 1.0}, nullptr, nullptr},
    {"SixtyFourPolishCharacters", {"", kPolish64, 1.0, 1.0}, nullptr, nullptr},
    {"SixtyFiveCharacters", {"", kLongest + "y", 1.0, 1.0}, "limits[1].name", &kLimitNameMessage},
    {"NoName", {"", "", 1.0, 1.0}, "limits[1].name", &kLimitNameMessage},
    {"UnknownKey", {"pl-other", "Inne", 1.0, 1.0}, "limits[1].key", &kUnknownLimitMessage},
    {"ElectricZero", {"", "A", 0.0, 1.0}, "limits[1].electric", &kLimitElectricMessage},
    {"ElectricNotANumber",
     {"", "A", std::nan(""), 1.0},
     "limits[1].electric",
     &kLimitElectricMessage},
    {"MagneticNegative", {"", "A", 1.0, -60.0}, "limits[1].magnetic", &kLimitMagneticMessage},
    {"MagneticInfinite", {"", "A", 1.0, kInf}, "limits[1].magnetic", &kLimitMagneticMessage},
    {"RepeatedKey", *findBuiltInLimit("pl-residential"), "limits[1].key", &kRepeatedLimitMessage},
    {"RepeatedName",
     {"", "Tereny zabudowy mieszkaniowej (PL)", 1.0, 1.0},
     "limits[1].name",
     &kRepeatedLimitMessage},
};

TEST(ExposureLimits, ChecksNameTheKey) {
    for (const LimitCase& c : kLimitCases) {
        SCOPED_TRACE(c.name);
        const auto refusal = checkLimits({*findBuiltInLimit("pl-residential"), c.second});
        if (c.key == nullptr) {
            EXPECT_FALSE(refusal) << refusal->key;
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->key, c.key);
        EXPECT_EQ(refusal->message, *c.message);
    }
}

// What the limits dialog takes, a project file holds: sixteen levels and no more.
TEST(ExposureLimits, SixteenLevelsAtMost) {
    std::vector<ExposureLimit> limits;
    for (int i = 1; i <= 17; ++i) {
        limits.push_back({"", "Poziom " + std::to_string(i), 1.0, 1.0});
        const auto refusal = checkLimits(limits);
        EXPECT_EQ(refusal.has_value(), i == 17) << i;
    }
    ASSERT_TRUE(checkLimits(limits));
    EXPECT_EQ(checkLimits(limits)->key, "limits[16]");
    EXPECT_EQ(checkLimits(limits)->message, kTooManyLimitsMessage);
}

} // namespace
} // namespace velt
