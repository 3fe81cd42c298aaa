// Our decimal conversions against the standard library's exact ones. Built natively and into the
// Windows tests too, so that they are compared on the processor and floating-point settings the
// exe really runs with.

#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::string ToCharsShortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, result.ptr);
}

std::string ToCharsFixed(double value, int decimals) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Every value the offsets can take in half hours, a band of tiny and huge magnitudes, and random
// bit patterns and random values of a day's size.
std::vector<double> Values() {
    std::vector<double> values;
    for (int halfHours = -96; halfHours <= 144; ++halfHours) {
        values.push_back(halfHours / 2.0);
    }
    for (double tiny : {5e-324, 1e-310, 1e-300, 1e-5, 1e-4, 0.1, 0.7, 1e15, 1e16, 1e20, 1.2345678901234568e+20, 1e23,
                        1.7976931348623157e308}) {
        values.push_back(tiny);
        values.push_back(-tiny);
    }
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> day(-48.0, 72.0);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof(value));
        if (std::isfinite(value)) {
            values.push_back(value);
        }
        values.push_back(day(random));
    }
    return values;
}

TEST(DecimalTextTest, PrintsWhatToCharsPrints) {
    int differences = 0;
    for (double value : Values()) {
        if (ShortestDecimal(value) != ToCharsShortest(value) || FixedDecimal(value, 1) != ToCharsFixed(value, 1)) {
            ADD_FAILURE() << ToCharsShortest(value) << ": shortest " << ShortestDecimal(value) << ", fixed "
                          << FixedDecimal(value, 1) << " against " << ToCharsFixed(value, 1);
            if (++differences == 10) {
                return;
            }
        }
    }
}

TEST(DecimalTextTest, ReadsWhatFromCharsReads) {
    std::vector<std::string> texts = {"0",      "-0.0",  "9.0",     "5.5",   "-24.0",   "1e-400", "2e-324",
                                      "1e-310", "1e308", "1.8e308", "1e999", "12.50e1", "0.1e-1", "4e-324"};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 25);
    std::uniform_int_distribution<int> exponent(-330, 330);
    for (int i = 0; i < 20000; ++i) {
        std::string text = i % 2 == 0 ? "-" : "";
        for (int n = length(random); n > 0; --n) {
            text += static_cast<char>('0' + digit(random));
        }
        text += '.';
        for (int n = length(random); n > 0; --n) {
            text += static_cast<char>('0' + digit(random));
        }
        if (i % 3 == 0) {
            text += 'e' + std::to_string(exponent(random));
        }
        texts.push_back(text);
    }
    for (double value : Values()) {
        texts.push_back(ToCharsShortest(value));
    }
    for (const std::string& text : texts) {
        double expected = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        const std::optional<double> read = ReadDecimal(text);
        if (result.ec == std::errc::result_out_of_range) {
            // from_chars reports both ways out of range alike: too large has no value, too small is
            // a zero (or, at the very edge, the smallest subnormal).
            const std::size_t e = text.find_first_of("eE");
            double mantissa = 0;
            std::from_chars(text.data(), text.data() + std::min(e, text.size()), mantissa);
            const long powerOfTen = e == std::string::npos ? 0 : std::stol(text.substr(e + 1));
            if (std::log10(std::fabs(mantissa)) + static_cast<double>(powerOfTen) > 0) {
                EXPECT_FALSE(read.has_value()) << text;
            } else {
                ASSERT_TRUE(read.has_value()) << text;
                EXPECT_LE(std::fabs(*read), std::numeric_limits<double>::denorm_min()) << text;
            }
        } else {
            ASSERT_TRUE(read.has_value()) << text;
            EXPECT_EQ(*read, expected) << text;
        }
    }
}

}  // namespace
}  // namespace orvanta
