#include "app/location_entry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvanta {

LocationEntryParts SplitLocationEntry(std::string_view entry) {
    const auto colon = entry.find(':');
    if (colon == std::string_view::npos) {
        return {std::string(entry), std::string(entry)};
    }
    return {std::string(entry.substr(0, colon)), std::string(entry.substr(colon + 1))};
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Advances over one or more digits; false when there is none.
bool SkipDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos > start;
}

// The power of ten of the leading non-zero digit of a number that already passed the grammar
// check, so an out-of-range result can be told apart: too large, or merely too close to zero.
// Only its sign matters, so huge exponents saturate instead of overflowing.
long long DecimalMagnitude(std::string_view number) {
    std::size_t pos = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    long long magnitude = 0;
    bool seenNonZero = false;
    long long integerDigits = 0;
    for (; pos < number.size() && IsDigit(number[pos]); ++pos) {
        if (seenNonZero || number[pos] != '0') {
            seenNonZero = true;
            ++integerDigits;
        }
    }
    if (seenNonZero) {
        magnitude = integerDigits - 1;
    }
    if (pos < number.size() && number[pos] == '.') {
        ++pos;
        long long fractionIndex = 0;
        for (; pos < number.size() && IsDigit(number[pos]); ++pos) {
            ++fractionIndex;
            if (!seenNonZero && number[pos] != '0') {
                seenNonZero = true;
                magnitude = -fractionIndex;
            }
        }
    }
    if (pos < number.size()) {  // the exponent
        ++pos;
        bool negative = false;
        if (number[pos] == '+' || number[pos] == '-') {
            negative = number[pos] == '-';
            ++pos;
        }
        constexpr long long kSaturation = 1'000'000'000;
        long long exponent = 0;
        for (; pos < number.size(); ++pos) {
            exponent = std::min(kSaturation, exponent * 10 + (number[pos] - '0'));
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

}  // namespace

std::optional<double> ParseOffsetHours(std::string_view offsetText) {
    std::size_t first = 0;
    while (first < offsetText.size() && offsetText[first] == ' ') {
        ++first;
    }
    std::size_t last = offsetText.size();
    while (last > first && offsetText[last - 1] == ' ') {
        --last;
    }
    const std::string_view number = offsetText.substr(first, last - first);

    // Check the whole grammar first: from_chars alone would accept "inf", "nan" and hex floats
    // and stop quietly before trailing garbage.
    std::size_t pos = 0;
    bool positiveSign = false;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
        positiveSign = number[pos] == '+';
        ++pos;
    }
    if (!SkipDigits(number, pos)) {
        return std::nullopt;
    }
    if (pos < number.size() && number[pos] == '.') {
        ++pos;
        if (!SkipDigits(number, pos)) {
            return std::nullopt;
        }
    }
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
            ++pos;
        }
        if (!SkipDigits(number, pos)) {
            return std::nullopt;
        }
    }
    if (pos != number.size()) {
        return std::nullopt;
    }

    // from_chars takes no leading "+".
    const std::string_view digits = positiveSign ? number.substr(1) : number;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone then. Underflow ("1e-400") is a harmless zero;
        // overflow ("1e999") is no usable offset.
        return DecimalMagnitude(number) < 0 ? std::optional<double>(0.0) : std::nullopt;
    }
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace orvanta
