#include "model/DecimalText.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace velt
