#include "core/location_entry.h"

#include <algorithm>
#include <cmath>

#include "core/decimal_text.h"

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

    // Check the whole grammar first: strtod alone would accept "inf", "nan" and hex floats and
    // stop quietly before trailing garbage.
    std::size_t pos = 0;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
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

    return ReadDecimal(number);
}

}  // namespace orvanta
