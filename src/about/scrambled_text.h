#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace orvanta {

// The byte that scrambles the character at a position; never zero, so no character is stored as
// itself. Not a secret: the texts are only kept out of plain sight, so that a look at the
// executable with a strings tool does not read them out.
constexpr unsigned char ScrambleKeyAt(std::size_t position) {
    return static_cast<unsigned char>(1 + ((0xA7u + position * 0x3Du) ^ ((position >> 2) * 0x11u)) % 255);
}

// A text that the compiler stores scrambled; the plain text exists only at run time. The
// constructor is consteval, so the plain literal never reaches the executable.
template <std::size_t N>
class ScrambledText {
  public:
    consteval ScrambledText(const char (&plain)[N]) {  // NOLINT: built from literals on purpose
        for (std::size_t i = 0; i + 1 < N; ++i) {
            bytes_[i] = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ ScrambleKeyAt(i));
        }
    }

    std::string Text() const {
        std::string plain(bytes_.size(), '\0');
        for (std::size_t i = 0; i < bytes_.size(); ++i) {
            plain[i] = static_cast<char>(bytes_[i] ^ ScrambleKeyAt(i));
        }
        return plain;
    }

    // What the executable holds.
    const std::array<unsigned char, N - 1>& Bytes() const { return bytes_; }

  private:
    std::array<unsigned char, N - 1> bytes_{};
};

}  // namespace orvanta
