#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Decimal numbers through the C runtime's correctly rounded printf and strtod, so that the exe
// carries no formatting tables of its own. Each gives exactly what std::to_chars and
// std::from_chars give for the same value.

// Fixed-point with the given number of decimals, "%.*f".
std::string FixedDecimal(double value, int decimals);

// The shortest text that reads back as the same value: fixed or scientific, whichever is shorter,
// fixed on a tie ("12.5", "1e-300", "100").
std::string ShortestDecimal(double value);

// The value of a text already known to be an optional "-", digits, an optional "." with digits
// and an optional exponent: correctly rounded; an overflow gives no value, an underflow zero or the
// nearest subnormal.
std::optional<double> ReadDecimal(std::string_view text);

}  // namespace orvanta
