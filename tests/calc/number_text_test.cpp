#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "test_locale.h"

namespace marvolen {
namespace {

TEST(ProcessLocale, IsTheOneTheRunAskedFor) {
    // Under de_DE the C library's own conversions would read "0.5" as 0 and write
    // "0,5": the tables below must come out the same all the same.
    const std::string active = std::setlocale(LC_ALL, nullptr);
    EXPECT_EQ(active, requestedTestLocale());
    const std::string& requested = requestedTestLocale();
    if (requested.rfind("de_DE", 0) == 0 || requested.rfind("German", 0) == 0) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    }
}

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<double> expected;  // nullopt: the reading fails
};

TEST(ParseLeadingNumber, ReadsWhatAWorkshopUserTypes) {
    const ReadCase cases[] = {
        {"plain integer", "20", 20.0},
        {"plain decimal", "7.925", 7.925},
        {"blanks around", "  26.5 \t\n", 26.5},
        {"blanks inside the digits", "1 3 . 8 6 1", 13.861},
        {"blank between sign and digits", "- 0.25", -0.25},
        {"plus sign", "+3", 3.0},
        {"minus sign", "-1.25", -1.25},
        {"point with empty integer part", ".01", 0.01},
        {"point with empty fraction", "5.", 5.0},
        {"exponent", "1.5E3", 1500.0},
        {"lower-case exponent with sign", "25e-1", 2.5},
        {"exponent with plus", "2E+2", 200.0},
        {"exponent letter without digits stops before it", "20E", 20.0},
        {"exponent sign without digits stops before it", "2E+x", 2.0},
        {"comma stops the number", "7,925", 7.0},
        {"unit after the number", "20mm", 20.0},
        {"second point stops the number", "1.2.3", 1.2},
        {"second sign stops the number", "3-4", 3.0},
        {"empty text", "", 0.0},
        {"only blanks", "   ", 0.0},
        {"no leading number", "abc", 0.0},
        {"sign alone", "-", 0.0},
        {"point alone", ".", 0.0},
        {"exponent without mantissa", "E5", 0.0},
        {"double sign", "--5", 0.0},
        {"largest double", "1.7976931348623157E308", std::numeric_limits<double>::max()},
        {"subnormal", "4.9E-324", std::numeric_limits<double>::denorm_min()},
        {"below the smallest double reads as zero", "1E-400", 0.0},
        {"beyond the double range fails", "1E309", std::nullopt},
        {"negative beyond the double range fails", "-1.8E308", std::nullopt},
        {"huge exponent fails", "1E99999999999999999999", std::nullopt},
        {"400 digits fail", "1" + std::string(400, '0'), std::nullopt},
        {"many leading zeros", std::string(500, '0') + "7.5", 7.5},
        {"full-width digits and point", "７．９２５", 7.925},
        {"ideographic full stop as point", "7。925", 7.925},
        {"full-width signs and exponent", "－１Ｅ＋２", -100.0},
        {"full-width lower-case exponent", "５ｅ－１", 0.5},
        {"ideographic space is a blank", "\u3000２６.５\u3000", 26.5},
        {"full-width comma still stops", "7，925", 7.0},
        {"NUL byte stops the number",
         std::string("12\0"
                     "3",
                     4),
         12.0},
        {"invalid UTF-8 stops the number", "3\xEF\xBC", 3.0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<double> read = parseLeadingNumber(c.text);
        ASSERT_EQ(read.has_value(), c.expected.has_value());
        if (read) {
            EXPECT_EQ(*read, *c.expected);
        }
    }
}

struct WriteCase {
    const char* name;
    double value;
    const char* expected;
};

TEST(FormatSignPadded, WritesDoublesTo15SignificantDigits) {
    const WriteCase cases[] = {
        {"whole number has no point", 16.0, " 16"},
        {"zero", 0.0, " 0"},
        {"negative zero has no sign", -0.0, " 0"},
        {"below one has no leading zero", 0.3525, " .3525"},
        {"negative below one", -0.25, "-.25"},
        {"trailing zeros dropped", 1.5000, " 1.5"},
        {"negative above one", -1.25, "-1.25"},
        {"15 digits kept", 1234.56789012345, " 1234.56789012345"},
        {"16th digit rounded away", 0.1 + 0.2, " .3"},
        {"rounds up to a whole number", 0.9999999999999999, " 1"},
        {"largest fixed magnitude", 999999999999999.0, " 999999999999999"},
        {"exponent from 1e15", 1e15, " 1E+15"},
        {"smallest coefficient step", 0.0001, " .0001"},
        {"exponent below 1e-4", 0.00001, " 1E-05"},
        {"negative with exponent", -2.5e20, "-2.5E+20"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatSignPadded(c.value), c.expected);
    }
}

TEST(FormatSignPadded, WritesFloatsTo7SignificantDigits) {
    struct Case {
        const char* name;
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {"not the digits of the double expansion", 0.1697F, " .1697"},
        {"negative", -0.25F, "-.25"},
        {"only 7 digits", 12345.6789F, " 12345.68"},
        {"largest fixed magnitude", 9999999.0F, " 9999999"},
        {"exponent from 1e7", 1e7F, " 1E+07"},
        {"smallest coefficient step", 0.0001F, " .0001"},
        {"negative zero", -0.0F, " 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatSignPadded(c.value), c.expected);
    }
}

TEST(FormatSignPadded, Writes16BitIntegersWithTheSignPosition) {
    EXPECT_EQ(formatSignPadded(std::int16_t{23}), " 23");
    EXPECT_EQ(formatSignPadded(std::int16_t{0}), " 0");
    EXPECT_EQ(formatSignPadded(std::int16_t{-7}), "-7");
    EXPECT_EQ(formatSignPadded(std::numeric_limits<std::int16_t>::min()), "-32768");
}

TEST(FormatSignPadded, ReadsBackToTheSameValue) {
    for (const double value : {0.3525, -1.25, 16.0065232198, 123456.789, 1e-3, 9.87654321012345e100}) {
        SCOPED_TRACE(value);
        const auto read = parseLeadingNumber(formatSignPadded(value));
        ASSERT_TRUE(read);
        EXPECT_NEAR(*read, value, std::fabs(value) * 1e-14);
    }
}

TEST(WithLeadingZero, InsertsTheZeroAfterTheSignPosition) {
    EXPECT_EQ(withLeadingZero(" .3525"), " 0.3525");
    EXPECT_EQ(withLeadingZero("-.25"), "-0.25");
    EXPECT_EQ(withLeadingZero(" .0001"), " 0.0001");
    EXPECT_EQ(withLeadingZero(" .123456"), " 0.1234");  // at most five characters follow the zero
}

}  // namespace
}  // namespace marvolen
