#include "core/decimal_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/big_number.h"

namespace orvanta {

namespace {

bool RoundsUp(int againstHalf, bool lastDigitOdd) {
    return againstHalf > 0 || (againstHalf == 0 && lastDigitOdd);
}

// A finite magnitude as mantissa * 2^exponent, the mantissa a whole number below 2^53.
struct BinaryParts {
    std::uint64_t mantissa;
    int exponent;
};

BinaryParts Decompose(double magnitude) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof(bits));
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) {
        return {fraction, -1074};
    }
    return {fraction | std::uint64_t{1} << 52, biased - 1075};
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

// Digits of magnitude * 10^decimals rounded to a whole number, ties to even: what printf's "%.*f"
// prints, without the point.
std::string ScaledDigits(double magnitude, int decimals) {
    const BinaryParts parts = Decompose(magnitude);
    BigNumber scaled(parts.mantissa);
    scaled.MultiplyByPowerOfTen(decimals);
    if (parts.exponent >= 0) {
        scaled.ShiftLeft(parts.exponent);
        return scaled.Digits();
    }
    BigNumber whole = scaled;
    whole.ShiftRight(-parts.exponent);
    BigNumber dropped = whole;
    dropped.ShiftLeft(-parts.exponent);
    BigNumber remainder = scaled;
    remainder.Subtract(dropped);
    BigNumber divisor(1);
    divisor.ShiftLeft(-parts.exponent);
    if (RoundsUp(CompareWithHalf(remainder, divisor), (whole.Low64() & 1) != 0)) {
        whole.MultiplyAdd(1, 1);
    }
    return whole.Digits();
}

// The first seventeen significant digits of a nonzero magnitude, cut off, not rounded, and what
// was cut off: its place against half a unit of the last digit, and whether it is zero.
struct LeadingDigits {
    std::string digits;
    int exponent;  // of the first digit
    int restAgainstHalf;
    bool restZero;
};

LeadingDigits Leading17(double magnitude) {
    constexpr int kDigits = 17;
    const BinaryParts parts = Decompose(magnitude);
    // A first guess at the decimal exponent, corrected below until the quotient has the digits.
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    for (;;) {
        // magnitude / 10^(exponent - 16) as numerator / denominator.
        BigNumber numerator(parts.mantissa);
        BigNumber denominator(1);
        const int scale = exponent - (kDigits - 1);
        if (scale < 0) {
            numerator.MultiplyByPowerOfTen(-scale);
        } else {
            denominator.MultiplyByPowerOfTen(scale);
        }
        if (parts.exponent >= 0) {
            numerator.ShiftLeft(parts.exponent);
        } else {
            denominator.ShiftLeft(-parts.exponent);
        }
        BigNumber limit = denominator;
        limit.MultiplyByPowerOfTen(kDigits);
        if (Compare(numerator, limit) >= 0) {
            ++exponent;
            continue;
        }
        const std::uint64_t quotient = Divide(numerator, denominator);
        std::string digits = BigNumber(quotient).Digits();
        if (digits.size() < kDigits) {
            --exponent;
            continue;
        }
        return {digits, exponent, CompareWithHalf(numerator, denominator), numerator.IsZero()};
    }
}

struct ScientificDigits {
    bool negative;
    std::string digits;  // precision + 1 of them
    int exponent;
    std::uint64_t units;  // their value in units of the seventeenth leading digit

    // As "%.*e" writes them: an exponent of two digits at least.
    std::string Text() const {
        std::string text = negative ? "-" : "";
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "e-" : "e+";
        const int absolute = exponent < 0 ? -exponent : exponent;
        if (absolute < 10) {
            text += '0';
        }
        text += std::to_string(absolute);
        return text;
    }
};

std::uint64_t WholeNumber(std::string_view digits) {
    std::uint64_t number = 0;
    for (char digit : digits) {
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return number;
}

// "%.*e" for precision below 17: precision + 1 significant digits, correctly rounded (ties to even).
ScientificDigits Scientific(bool negative, const LeadingDigits& leading, int precision) {
    const auto kept = static_cast<std::size_t>(precision) + 1;
    std::string digits = leading.digits.substr(0, kept);
    int exponent = leading.exponent;
    int againstHalf = leading.restAgainstHalf;
    if (kept < leading.digits.size()) {
        const char next = leading.digits[kept];
        const bool restNonzero =
            !leading.restZero || leading.digits.find_first_not_of('0', kept + 1) != std::string::npos;
        againstHalf = next > '5' ? 1 : next < '5' ? -1 : restNonzero ? 1 : 0;
    }
    const bool up = RoundsUp(againstHalf, (digits.back() - '0') % 2 != 0);
    std::uint64_t units = WholeNumber(digits) + (up ? 1 : 0);
    for (std::size_t i = kept; i < leading.digits.size(); ++i) {
        units *= 10;
    }
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            // Rounded up to the next power of ten.
            digits.insert(0, 1, '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    return {negative, digits, exponent, units};
}

bool ReadsBackAs(const std::string& text, double value) {
    const std::optional<double> read = ReadDecimal(text);
    return read && *read == value;
}

}  // namespace

std::string FixedDecimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    // The exact value of a double has no nonzero digit below its last binary place: past that,
    // only zeros follow, so the big number never needs more than those places.
    const double magnitude = std::fabs(value);
    const int exact = std::max(-Decompose(magnitude).exponent, 0);
    std::string digits = ScaledDigits(magnitude, std::min(decimals, exact));
    if (decimals > exact && !digits.empty()) {
        digits.append(static_cast<std::size_t>(decimals - exact), '0');
    }
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return std::signbit(value) ? "-" + digits : digits;
}

std::string ShortestDecimal(double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    const LeadingDigits leading =
        magnitude == 0 ? LeadingDigits{std::string(17, '0'), 0, -1, true} : Leading17(magnitude);
    // Half the gap to a neighbouring double is below 12 units of the seventeenth digit for a
    // normal double (mantissa of 53 bits): a text farther off than that cannot read back, and is
    // passed over without reading it.
    const std::uint64_t leadingUnits = WholeNumber(leading.digits);
    const bool normal = magnitude >= std::numeric_limits<double>::min();
    const auto mayReadBack = [&](const ScientificDigits& text) {
        const std::uint64_t distance =
            text.units > leadingUnits ? text.units - leadingUnits : leadingUnits - text.units;
        return !normal || distance <= 13;
    };
    // The fewest significant digits that read back; seventeen always do.
    int precision = 0;
    ScientificDigits scientific = Scientific(negative, leading, precision);
    while (precision < 16 && !(mayReadBack(scientific) && ReadsBackAs(scientific.Text(), value))) {
        scientific = Scientific(negative, leading, ++precision);
    }
    const std::string scientificText = scientific.Text();
    // The same digits in fixed form: as many decimals as lie below the units.
    const int exponent = scientific.exponent;
    std::string fixed = FixedDecimal(value, precision > exponent ? precision - exponent : 0);
    if (!ReadsBackAs(fixed, value)) {
        return scientificText;
    }
    // The exponent has two digits at least ("1e-05"), as the shortest form writes it.
    return fixed.size() <= scientificText.size() ? fixed : scientificText;
}

std::optional<double> ReadDecimal(std::string_view text) {
    // Halfway points between doubles have at most 767 significant digits: the first 800 and a
    // nonzero mark for anything after them round as all of them would.
    constexpr int kKeptDigits = 800;
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos++] == '-';
    }
    BigNumber digits;
    // Digits go in nine at a time: one pass over the big number for each group.
    std::uint32_t group = 0;
    std::uint32_t groupScale = 1;
    const auto flush = [&] {
        digits.MultiplyAdd(groupScale, group);
        group = 0;
        groupScale = 1;
    };
    const auto append = [&](std::uint32_t digit) {
        group = group * 10 + digit;
        groupScale *= 10;
        if (groupScale == 1000000000) {
            flush();
        }
    };
    int kept = 0;
    bool droppedNonzero = false;
    long exponent = 0;  // the value is digits * 10^exponent
    bool seenPoint = false;
    for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
        if (text[pos] == '.') {
            seenPoint = true;
            continue;
        }
        const auto digit = static_cast<std::uint32_t>(text[pos] - '0');
        if (kept < kKeptDigits) {
            if (kept > 0 || digit != 0) {
                append(digit);
                ++kept;
            }
            exponent -= seenPoint ? 1 : 0;
        } else {
            droppedNonzero = droppedNonzero || digit != 0;
            exponent += seenPoint ? 0 : 1;
        }
    }
    if (droppedNonzero) {
        append(1);
        ++kept;
        --exponent;
    }
    flush();
    if (pos < text.size()) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            negativeExponent = text[pos++] == '-';
        }
        long written = 0;
        for (; pos < text.size(); ++pos) {
            written = std::min(written * 10 + (text[pos] - '0'), 100000L);
        }
        exponent += negativeExponent ? -written : written;
    }
    const double zero = negative ? -0.0 : 0.0;
    if (digits.IsZero()) {
        return zero;
    }
    // The value lies in [10^(kept - 1 + exponent), 10^(kept + exponent)).
    const long magnitude = kept + exponent;
    if (magnitude > 310) {
        return std::nullopt;
    }
    if (magnitude < -325) {
        return zero;  // below half the smallest subnormal
    }

    // Sixty-four significant bits and whether anything is left below them.
    BigNumber numerator = digits;
    BigNumber denominator(1);
    if (exponent >= 0) {
        numerator.MultiplyByPowerOfTen(static_cast<int>(exponent));
    } else {
        denominator.MultiplyByPowerOfTen(static_cast<int>(-exponent));
    }
    const int shift = 63 - (numerator.BitLength() - denominator.BitLength());
    if (shift > 0) {
        numerator.ShiftLeft(shift);
    } else {
        denominator.ShiftLeft(-shift);
    }
    std::uint64_t bits = Divide(numerator, denominator);  // value = (bits + rest) * 2^-shift
    bool sticky = !numerator.IsZero();

    // Keep the bits from the double's last place down: 53 of them, fewer for a subnormal.
    const int length = static_cast<int>(std::bit_width(bits));
    const int lastPlace = std::max(length - 1 - shift - 52, -1074);
    const int drop = lastPlace + shift;
    std::uint64_t mantissa = 0;
    int againstHalf = -1;
    if (drop >= 64) {
        againstHalf = drop == 64 && bits >> 63 != 0 ? 0 : -1;  // bits < 2^64 lies at or below half
        if (drop == 64 && bits >> 63 != 0 && ((bits << 1) != 0 || sticky)) {
            againstHalf = 1;
        }
    } else {
        mantissa = bits >> drop;
        const std::uint64_t rest = drop == 0 ? 0 : bits << (64 - drop);
        const std::uint64_t half = std::uint64_t{1} << 63;
        againstHalf = rest > half || (rest == half && sticky) ? 1 : rest == half ? 0 : -1;
    }
    int place = lastPlace;
    if (RoundsUp(againstHalf, (mantissa & 1) != 0)) {
        ++mantissa;
        if (mantissa == std::uint64_t{1} << 53) {
            mantissa >>= 1;
            ++place;
        }
    }
    std::uint64_t result = 0;
    if (mantissa >= std::uint64_t{1} << 52) {
        const int biased = place + 1075;
        if (biased >= 0x7FF) {
            return std::nullopt;
        }
        result = static_cast<std::uint64_t>(biased) << 52 | (mantissa & ((std::uint64_t{1} << 52) - 1));
    } else {
        result = mantissa;  // subnormal (or zero), place is -1074
    }
    double read = 0;
    std::memcpy(&read, &result, sizeof(read));
    return negative ? -read : read;
}

}  // namespace orvanta
