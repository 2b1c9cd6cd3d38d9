#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "entry/utf8.h"
#include "eval/number_text.h"
#include "tests/engine/row_name.h"

using orvane::testing::RowName;

namespace orvane {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

class NumberToTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberToTextTest, Formats) {
    EXPECT_EQ(ToUtf8(NumberToText(GetParam().value)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralFormat, NumberToTextTest,
    ::testing::Values(
        FormatCase{"zero", 0.0, "0"}, FormatCase{"negative_zero", -0.0, "0"},
        FormatCase{"zero_times_negative", 0.0 * -3.0, "0"},
        FormatCase{"ten_to_15_goes_exponent", 1e15, "1E+15"},
        FormatCase{"ten_to_14_stays_plain", 1e14, "100000000000000"},
        FormatCase{"largest_plain", 123456789012345.0, "123456789012345"},
        FormatCase{"rounds_up_into_exponent", 999999999999999.6, "1E+15"},
        FormatCase{"one_hundred_thousandth", 1.0 / 100000, "1E-05"},
        FormatCase{"one_ten_thousandth", 1.0 / 10000, "0.0001"},
        FormatCase{"point_one_plus_point_two", 0.1 + 0.2, "0.3"},
        FormatCase{"one_third", 1.0 / 3, "0.333333333333333"},
        FormatCase{"pi", std::atan(1.0) * 4, "3.14159265358979"},
        FormatCase{"negative_pi", std::atan(1.0) * -4, "-3.14159265358979"},
        FormatCase{"mantissa_keeps_digits", 1.5e-7, "1.5E-07"},
        FormatCase{"three_digit_exponent", 1e100, "1E+100"},
        FormatCase{"negative_exponent_form", -2.5e17, "-2.5E+17"},
        FormatCase{"twenty_digits", 12345678901234567890.0, "1.23456789012346E+19"},
        FormatCase{"sqrt_two", std::sqrt(2.0), "1.4142135623731"},
        FormatCase{"half", 0.5, "0.5"}, FormatCase{"minus_six", -6.0, "-6"},
        FormatCase{"smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                   "4.94065645841247E-324"},
        FormatCase{"largest_double", std::numeric_limits<double>::max(),
                   "1.79769313486232E+308"}),
    RowName());

struct ParseCase {
    const char* name;
    const char* text;
    double value;
};

class TextToNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TextToNumberTest, Reads) {
    EXPECT_EQ(TextToNumber(FromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedGrammar, TextToNumberTest,
    ::testing::Values(ParseCase{"integer", "5", 5}, ParseCase{"trailing_point", "5.", 5},
                      ParseCase{"leading_point", ".5", 0.5},
                      ParseCase{"negative_leading_point", "-.5", -0.5},
                      ParseCase{"negative", "-3", -3},
                      ParseCase{"pi_text", "3.14159265358979", 3.14159265358979},
                      ParseCase{"small_exponent", "1E-05", 1e-5},
                      ParseCase{"big_exponent", "-2.5E+17", -2.5e17},
                      ParseCase{"all_twenty_digits", "12345678901234567890", 12345678901234567890.0},
                      ParseCase{"beyond_15_digits", "0.1000000000000000055511151231257827",
                                0.1},
                      ParseCase{"underflow_reads_zero", "1E-400", 0.0},
                      ParseCase{"long_zero_fraction_underflows",
                                "0.00000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000"
                                "0000000000000000000000000000000000000000000000000000000001",
                                0.0}),
    RowName());

TEST(TextToNumber, RejectsWhatIsNotANumber) {
    for (const char* text : {"", "-", ".", "-.", "..5", "5..", "1.2.3", "--5", "+5", "5-", "E5",
                             "1E5", "1E+", "1e+5", "1E+5.0", " 5", "5 ", "π", "M1", "1,5",
                             "1E+400", "99999999999999999999999999999999999999999999999999999999"
                                       "99999999999999999999999999999999999999999999999999999999"
                                       "99999999999999999999999999999999999999999999999999999999"
                                       "99999999999999999999999999999999999999999999999999999999"
                                       "99999999999999999999999999999999999999999999999999999999"
                                       "99999999999999999999999999999999999999999999999999999999"}) {
        EXPECT_THROW(TextToNumber(FromUtf8(text)), BadNumber) << '"' << text << '"';
    }
}

TEST(NumberText, EveryFormattedValueReadsBackToItsRoundedSelf) {
    for (double value : {1.0 / 3, -2.0 / 3, 1e-300, 6.02214076e23, -1e15, 0.1 + 0.2, 1e-5}) {
        const std::u16string text = NumberToText(value);
        EXPECT_EQ(NumberToText(TextToNumber(text)), text);
    }
}

}  // namespace
}  // namespace orvane
