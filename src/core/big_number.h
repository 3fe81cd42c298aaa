#pragma once

// Integer arithmetic of our own for the decimal texts: exact, and the same under every C runtime.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

namespace orvanta {

// An unsigned integer of up to kLimbs * 32 bits, enough for every step below: the exact value of a
// double times a power of ten, or the 800 digits kept of a text over a power of ten and a shift.
// Integer arithmetic alone, so the result is the same under every C runtime and every x87
// precision setting.
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t value = 0) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
        size_ = limbs_[1] != 0 ? 2 : limbs_[0] != 0 ? 1 : 0;
    }
    // Only the limbs in use are copied: the rest is never read.
    BigNumber(const BigNumber& other) : size_(other.size_) { std::copy_n(other.limbs_, size_, limbs_); }
    BigNumber& operator=(const BigNumber& other) {
        size_ = other.size_;
        std::copy_n(other.limbs_, size_, limbs_);
        return *this;
    }

    bool IsZero() const { return size_ == 0; }

    int BitLength() const { return size_ == 0 ? 0 : 32 * (size_ - 1) + std::bit_width(limbs_[size_ - 1]); }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (int i = 0; i < size_; ++i) {
            carry += static_cast<std::uint64_t>(limbs_[i]) * factor;
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
    }

    void MultiplyByPowerOfTen(int exponent) {
        for (; exponent >= 9; exponent -= 9) {
            MultiplyAdd(1000000000);
        }
        constexpr std::uint32_t kSmallPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
        MultiplyAdd(kSmallPowers[exponent]);
    }

    // Divides by divisor (> 0) and returns the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            remainder = remainder << 32 | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(remainder / divisor);
            remainder %= divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(remainder);
    }

    void ShiftLeft(int bits) {
        if (size_ == 0 || bits == 0) {
            return;
        }
        const int whole = bits / 32;
        const int part = bits % 32;
        limbs_[size_ + whole] = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            limbs_[i + whole + 1] |= part == 0 ? 0 : limbs_[i] >> (32 - part);
            limbs_[i + whole] = limbs_[i] << part;
        }
        std::fill(limbs_, limbs_ + whole, 0u);
        size_ += whole + 1;
        Trim();
    }

    void ShiftRight(int bits) {
        const int whole = bits / 32;
        const int part = bits % 32;
        if (whole >= size_) {
            size_ = 0;
            return;
        }
        for (int i = 0; i < size_ - whole; ++i) {
            const std::uint64_t pair =
                limbs_[i + whole] | (i + whole + 1 < size_ ? std::uint64_t{limbs_[i + whole + 1]} << 32 : 0);
            limbs_[i] = static_cast<std::uint32_t>(pair >> part);
        }
        size_ -= whole;
        Trim();
    }

    // Subtracts a value not larger than this one.
    void Subtract(const BigNumber& other) {
        std::int64_t borrow = 0;
        for (int i = 0; i < size_; ++i) {
            const std::int64_t difference =
                static_cast<std::int64_t>(limbs_[i]) - (i < other.size_ ? other.limbs_[i] : 0) - borrow;
            limbs_[i] = static_cast<std::uint32_t>(difference);
            borrow = difference < 0 ? 1 : 0;
        }
        Trim();
    }

    // Lowest bits of the value, for a quotient known to fit.
    std::uint64_t Low64() const {
        return (size_ > 0 ? limbs_[0] : 0) | (size_ > 1 ? std::uint64_t{limbs_[1]} << 32 : 0);
    }

    friend int Compare(const BigNumber& a, const BigNumber& b) {
        if (a.size_ != b.size_) {
            return a.size_ < b.size_ ? -1 : 1;
        }
        for (int i = a.size_ - 1; i >= 0; --i) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // Decimal digits, no leading zeros ("" for zero).
    std::string Digits() const {
        BigNumber rest = *this;
        char buffer[9 * kLimbs * 32 / 29 + 9];  // nine digits for every 29.9 bits
        char* first = buffer + sizeof(buffer);
        while (!rest.IsZero()) {
            std::uint32_t group = rest.DivideSmall(1000000000);
            for (int i = 0; i < 9; ++i, group /= 10) {
                *--first = static_cast<char>('0' + group % 10);
            }
        }
        while (first != buffer + sizeof(buffer) && *first == '0') {
            ++first;
        }
        return std::string(first, buffer + sizeof(buffer));
    }

  private:
    static constexpr int kLimbs = 140;

    void Trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) {
            --size_;
        }
    }

    std::uint32_t limbs_[kLimbs];  // those from size_ on are never read
    int size_ = 0;
};

// One 32-bit digit of a quotient: numerator / denominator for a numerator below denominator * 2^32,
// with the numerator left holding the remainder. The top 32 bits of the denominator give an
// estimate at most a few below the digit; subtracting the rest one at a time corrects it.
std::uint32_t DivideStep(BigNumber& numerator, const BigNumber& denominator);

// numerator / denominator, for a quotient below 2^64: the quotient, with numerator left holding the
// remainder.
std::uint64_t Divide(BigNumber& numerator, const BigNumber& denominator);

// Where a remainder lies against half its divisor: -1 below, 0 on, 1 above.
int CompareWithHalf(BigNumber remainder, const BigNumber& divisor);

}  // namespace orvanta
