#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Decimal numbers by exact integer arithmetic of our own: the texts of printf's "%.*f" and "%.*e"
// and the values of a correctly rounded strtod, the same under every C runtime, without the
// formatting code of the runtime library in the exe. Each gives exactly what std::to_chars and
// std::from_chars give for the values the program meets.

// Fixed-point with the given number of decimals (0 or more), "%.*f": ties to even.
std::string FixedDecimal(double value, int decimals);

// The shortest text that reads back as the same value: fixed or scientific, whichever is shorter,
// fixed on a tie ("12.5", "1e-300", "100").
std::string ShortestDecimal(double value);

// The value of a text already known to be an optional "-", digits, an optional "." with digits
// and an optional exponent: correctly rounded; an overflow gives no value, an underflow zero or the
// nearest subnormal.
std::optional<double> ReadDecimal(std::string_view text);

}  // namespace orvanta
