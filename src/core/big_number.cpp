#include "core/big_number.h"

namespace orvanta {

// One 32-bit digit of a quotient: numerator / denominator for a numerator below denominator * 2^32,
// with the numerator left holding the remainder. The top 32 bits of the denominator give an
// estimate at most a few below the digit; subtracting the rest one at a time corrects it.
std::uint32_t DivideStep(BigNumber& numerator, const BigNumber& denominator) {
    const int dropped = std::max(denominator.BitLength() - 32, 0);
    BigNumber top = denominator;
    top.ShiftRight(dropped);
    BigNumber numeratorTop = numerator;
    numeratorTop.ShiftRight(dropped);
    auto digit = static_cast<std::uint32_t>(numeratorTop.Low64() / (top.Low64() + (dropped > 0 ? 1 : 0)));
    BigNumber product = denominator;
    product.MultiplyAdd(digit);
    numerator.Subtract(product);
    while (Compare(numerator, denominator) >= 0) {
        numerator.Subtract(denominator);
        ++digit;
    }
    return digit;
}

// numerator / denominator, for a quotient below 2^64: the quotient, with numerator left holding the
// remainder.
std::uint64_t Divide(BigNumber& numerator, const BigNumber& denominator) {
    BigNumber high = denominator;
    high.ShiftLeft(32);
    const std::uint64_t upper = DivideStep(numerator, high);
    return upper << 32 | DivideStep(numerator, denominator);
}

// Where a remainder lies against half its divisor: -1 below, 0 on, 1 above.
int CompareWithHalf(BigNumber remainder, const BigNumber& divisor) {
    remainder.ShiftLeft(1);
    return Compare(remainder, divisor);
}

}  // namespace orvanta
