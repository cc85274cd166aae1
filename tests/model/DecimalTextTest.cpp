#include "model/DecimalText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace velt {
namespace {

TEST(DecimalText, ReadsTheLongestLeadingNumber) {
    EXPECT_DOUBLE_EQ(readDecimal("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(readDecimal("12.5m"), 12.5);
    EXPECT_DOUBLE_EQ(readDecimal("-3"), -3.0);
    EXPECT_DOUBLE_EQ(readDecimal("+4.25"), 4.25);
    EXPECT_DOUBLE_EQ(readDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(readDecimal("7."), 7.0);
    EXPECT_DOUBLE_EQ(readDecimal("1.5e2"), 150.0);
    EXPECT_DOUBLE_EQ(readDecimal("1.5e"), 1.5);
    EXPECT_DOUBLE_EQ(readDecimal("2e-1x"), 0.2);
    EXPECT_DOUBLE_EQ(readDecimal("  8"), 8.0);
}

TEST(DecimalText, TextThatIsNoNumberReadsAsZero) {
    for (const char* text :
         {"", "abc", "-", ".", ",", "-,", "e5", "nan", "inf", "-inf", "1e999", "-1e999"}) {
        EXPECT_EQ(readDecimal(text), 0.0) << text;
    }
}

TEST(DecimalText, ACommaIsADecimalSeparatorToo) {
    EXPECT_EQ(readDecimal("12,5"), 12.5);
    EXPECT_EQ(readDecimal("0,02"), 0.02);
    EXPECT_EQ(readDecimal(",5"), 0.5);
    EXPECT_EQ(readDecimal("-2,5e1"), -25.0);
    EXPECT_EQ(readDecimal("+1,25 m"), 1.25);
    // One separator only: what follows a second one is trailing text.
    EXPECT_EQ(readDecimal("1,5.3"), 1.5);
    EXPECT_EQ(readDecimal("1.5,3"), 1.5);
    EXPECT_EQ(readDecimal("1,5e999"), 0.0);
}

TEST(DecimalText, WholeNumbers) {
    EXPECT_EQ(readWholeNumber("4"), 4);
    EXPECT_EQ(readWholeNumber("3.7"), 3);
    EXPECT_EQ(readWholeNumber(""), 0);
    EXPECT_EQ(readWholeNumber("x2"), 0);
    EXPECT_EQ(readWholeNumber("99999999999999"), 0);
}

TEST(DecimalText, GeneralFormat) {
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(2.5), "2.5");
    EXPECT_EQ(formatGeneral(50.0), "50");
    EXPECT_EQ(formatNumber("%.2lf", 50.0), "50.00");
}

// A Qt application takes the numeric locale from the user's settings.
TEST(DecimalText, FormatKeepsThePointInAnyLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "pl_PL.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string decimal = formatNumber("%.2lf", 2.5);
    const std::string exponent = formatNumber("%g", 1.5e-20);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(decimal, "2.50");
    EXPECT_EQ(exponent, "1.5e-20");
}

} // namespace
} // namespace velt
