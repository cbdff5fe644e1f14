#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kord {
namespace {

const NumericLocale kPoint{'.', ","};
const NumericLocale kComma{',', "\u00a0"};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    std::string text;
    std::optional<double> expected;
};

void CheckParse(const std::vector<ParseCase>& cases, const NumericLocale& loc) {
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const std::optional<double> got = ParseNumber(c.text, loc);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(*got, *c.expected);
        }
        EXPECT_EQ(IsNumber(c.text, loc), c.expected.has_value());
    }
}

TEST(NumberFormatTest, ParseNumberUnderCommaLocale) {
    CheckParse(
        {
            {"0,05", 0.05},
            {"-1", -1.0},
            {" 2 ", 2.0},
            {"\t7\t", 7.0},
            {"1e3", 1000.0},
            {"+4", 4.0},
            {"-2,5e-3", -0.0025},
            {"1E+2", 100.0},
            {",5", 0.5},
            {"5,", 5.0},
            {"007", 7.0},
            {"0,1", 0.1},
            {"1e-999", 0.0},
            {"", std::nullopt},
            {" ", std::nullopt},
            {"abc", std::nullopt},
            {"1,2,3", std::nullopt},
            {"1.5", std::nullopt},
            {"nan", std::nullopt},
            {"inf", std::nullopt},
            {"infinity", std::nullopt},
            {"1e999", std::nullopt},
            {"-1e999", std::nullopt},
            {"1 000", std::nullopt},
            {"1\u00a0000", std::nullopt},
            {"12a", std::nullopt},
            {"1e", std::nullopt},
            {"1e+", std::nullopt},
            {"+", std::nullopt},
            {"-", std::nullopt},
            {",", std::nullopt},
            {"+-1", std::nullopt},
            {"- 1", std::nullopt},
            {"0x10", std::nullopt},
            {"1,5 e3", std::nullopt},
            {"e3", std::nullopt},
        },
        kComma);
}

TEST(NumberFormatTest, ParseNumberUnderPointLocale) {
    CheckParse(
        {
            {"0.05", 0.05},
            {"-1", -1.0},
            {" 2 ", 2.0},
            {"1e3", 1000.0},
            {"+4", 4.0},
            {"2.5E-1", 0.25},
            {"0,008", std::nullopt},  // a comma is no group separator here: not 8
            {"1,5", std::nullopt},
            {"1,000", std::nullopt},
            {"1.2.3", std::nullopt},
            {"", std::nullopt},
            {"nan", std::nullopt},
            {"inf", std::nullopt},
            {"1e999", std::nullopt},
            {"1 000", std::nullopt},
            {"12a", std::nullopt},
        },
        kPoint);
}

TEST(NumberFormatTest, HugeExponentsNeverReadAsZero) {
    const std::string zeros(1'040'000, '0');
    // 1e59999 overflows and is no number; its mirror 1e-59999 underflows to zero.
    EXPECT_FALSE(ParseNumber("0." + zeros + "1e1100000", kPoint));
    EXPECT_EQ(ParseNumber("1" + zeros + "e-1100000", kPoint), 0.0);
    EXPECT_EQ(ParseNumber("0." + zeros + "1e1040001", kPoint), 1.0);
}

TEST(NumberFormatTest, ParseNumberWithGroupsNeedsProperGroups) {
    const NumericLocale germanLike{',', "."};
    const struct {
        std::string text;
        NumericLocale loc;
        std::optional<double> expected;
    } cases[] = {
        {"1.500", germanLike, 1500.0},
        {"12.345.678,5", germanLike, 12345678.5},
        {"-1.500", germanLike, -1500.0},
        {"1,500", germanLike, 1.5},
        {"1.50", germanLike, std::nullopt},
        {"1234.567", germanLike, std::nullopt},
        {".500", germanLike, std::nullopt},
        {"1..500", germanLike, std::nullopt},
        {"1.500.00", germanLike, std::nullopt},
        {"12\u00a0345,5", kComma, 12345.5},
        {"1.500", kComma, std::nullopt},
        {"1,500", kPoint, 1500.0},
        {"1.500", kPoint, 1.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const std::optional<double> got = ParseNumberWithGroups(c.text, c.loc);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(*got, *c.expected);
        }
    }
    // The strict reader never takes a group separator.
    EXPECT_FALSE(IsNumber("1.500", germanLike));
}

TEST(NumberFormatTest, FromNameReadsQtLocaleData) {
    const struct {
        std::string name;
        char decimal;
        std::string group;
    } cases[] = {
        {"pl_PL", ',', "\u00a0"}, {"pl_PL.UTF-8", ',', "\u00a0"}, {"de_DE", ',', "."},
        {"en_US", '.', ","},      {"de_CH", '.', "\u2019"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NumericLocale loc = NumericLocale::FromName(c.name);
        EXPECT_EQ(loc.decimalSeparator, c.decimal);
        EXPECT_EQ(loc.groupSeparator, c.group);
    }
    EXPECT_EQ(NumericLocale::FromName("C").decimalSeparator, '.');
    EXPECT_EQ(NumericLocale::FromName("fr_FR").decimalSeparator, ',');
    // Arabic writes U+066B; numbers here are ASCII, so the point is used.
    EXPECT_EQ(NumericLocale::FromName("ar_EG").decimalSeparator, '.');
}

TEST(NumberFormatTest, DecideDecimalCommaForNamedLocales) {
    const struct {
        std::string name;
        bool comma;
    } cases[] = {
        {"pl_PL", true},  {"en_US", false}, {"de_DE", true},
        {"de_CH", false}, {"C", false},     {"fr_FR", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideDecimalComma(NumericLocale::FromName(c.name)), c.comma);
    }
}

TEST(NumberFormatTest, DecideDecimalCommaBranches) {
    const struct {
        const char* what;
        NumericLocale loc;
        bool comma;
    } cases[] = {
        {"1.500 reads 1500", {',', "."}, true},
        {"1.500 reads 1.5", {'.', ","}, false},
        {"1.500 reads 1.5, odd group", {'.', "\u2019"}, false},
        {"only 1,500 reads, as 1.5", {',', ""}, true},
        {"only 1,500 reads, as 1.5 (no-break space groups)", {',', "\u00a0"}, true},
        {"only 1,500 reads, as 1500", {'\'', ","}, false},
        {"neither reads", {'\'', ""}, false},
        {"neither reads, space groups", {'/', " "}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecideDecimalComma(c.loc), c.comma);
    }
}

TEST(NumberFormatTest, FormatGeneral) {
    const struct {
        double value;
        std::string point;
        std::string comma;
    } cases[] = {
        {25.0, "25", "25"},
        {100.0, "100", "100"},
        {2.5, "2.5", "2,5"},
        {-2.5, "-2.5", "-2,5"},
        {2.01 * 100, "201", "201"},
        {0.1 + 0.2, "0.3", "0,3"},
        {0.05, "0.05", "0,05"},
        {1e-7, "0.0000001", "0,0000001"},
        {1234.5, "1234.5", "1234,5"},
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3.0, "0.666666666666667", "0,666666666666667"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {999999999999999.9, "1E+15", "1E+15"},
        {1e15, "1E+15", "1E+15"},
        {1.5e16, "1.5E+16", "1,5E+16"},
        {1e-15, "0.000000000000001", "0,000000000000001"},
        {1.25e-16, "1.25E-16", "1,25E-16"},
        {-1e-300, "-1E-300", "-1E-300"},
        {1e300, "1E+300", "1E+300"},
        {kNaN, "nan", "nan"},
        {-kInf, "-inf", "-inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(FormatGeneral(c.value, kPoint), c.point);
        EXPECT_EQ(FormatGeneral(c.value, kComma), c.comma);
    }
}

TEST(NumberFormatTest, FormatPattern) {
    const struct {
        double value;
        const char* pattern;
        std::string point;
    } cases[] = {
        // Half away from zero on the 15-digit form, not on the binary value.
        {1.005, "#0.00", "1.01"},
        {400.005, "####0.00", "400.01"},
        {2.675, "##0.00", "2.68"},
        {-1.005, "#0.00", "-1.01"},
        {0.000035, "0.00000", "0.00004"},
        {0.25, "#0.0", "0.3"},
        {0.5, "####0", "1"},
        {1.5, "####0", "2"},
        {2.5, "####0", "3"},
        {-0.5, "####0", "-1"},
        {0.4999, "####0", "0"},
        {9.995, "#0.00", "10.00"},
        {99.9996, "#0.000", "100.000"},
        {3.14159, "#0.000", "3.142"},
        // Nothing that shows as zero gets a minus sign.
        {-0.4, "####0", "0"},
        {-0.001, "#0.00", "0.00"},
        {-0.0, "0.000", "0.000"},
        {-0.00000349, "0.00000", "0.00000"},
        // Padding: '0' pads, '#' never does.
        {0.123, "0.000", "0.123"},
        {0.5, "#0.00", "0.50"},
        {12.3, "####0", "12"},
        {12.5, "##0.000", "12.500"},
        {0.0001234, "0.00000", "0.00012"},
        {42.0, "00000", "00042"},
        {0.5, "#.00", ".50"},
        {1.5, "0.0#", "1.5"},
        {1.25, "0.0#", "1.25"},
        {1.0, "0.0#", "1.0"},
        // All integer digits, no group separator.
        {1234567.891, "####0.00", "1234567.89"},
        {-1234.567, "###0.00", "-1234.57"},
        {1e20, "####0.00", "100000000000000000000.00"},
        {123456789012345678.0, "####0", "123456789012346000"},
        {kInf, "#0.00", "inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " -> " + c.point);
        EXPECT_EQ(FormatPattern(c.value, c.pattern, kPoint), c.point);
    }
}

TEST(NumberFormatTest, FormatPatternWritesTheLocaleSeparator) {
    EXPECT_EQ(FormatPattern(1.005, "#0.00", kComma), "1,01");
    EXPECT_EQ(FormatPattern(0.5, "#0.00", kComma), "0,50");
    EXPECT_EQ(FormatPattern(1234.5, "####0.00", kComma), "1234,50");
    EXPECT_EQ(FormatPattern(-0.0025, "0.00000", kComma), "-0,00250");
    EXPECT_EQ(FormatPattern(7.0, "####0", kComma), "7");
}

TEST(NumberFormatTest, DefaultArgumentsFollowTheCurrentLocale) {
    const NumericLocale saved = CurrentLocale();
    SetCurrentLocale(kComma);
    EXPECT_EQ(CurrentLocale(), kComma);
    EXPECT_EQ(ParseNumber("2,5"), 2.5);
    EXPECT_FALSE(IsNumber("2.5"));
    EXPECT_EQ(FormatGeneral(2.5), "2,5");
    EXPECT_EQ(FormatPattern(2.5, "#0.00"), "2,50");
    SetCurrentLocale(kPoint);
    EXPECT_EQ(ParseNumber("2.5"), 2.5);
    EXPECT_EQ(FormatGeneral(2.5), "2.5");
    SetCurrentLocale(saved);
}

}  // namespace
}  // namespace kord
