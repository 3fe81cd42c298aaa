#pragma once

// Takes a fuzzer's bytes apart into the pieces a target needs. Texts end at a line break, so a
// seed can be written as readable lines; numbers take raw bytes, so every bit pattern is reached.
// Once the bytes run out every piece is empty or zero.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orvanta::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Exhausted() const { return rest_.empty(); }

    // The text up to the next "\n" (which is consumed but not returned), or everything left.
    std::string_view Line() {
        const auto end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

    std::uint8_t Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }

    // Any bit pattern, NaN and the infinities included.
    double Double() { return Raw<double>(); }
    std::uint64_t Unsigned64() { return Raw<std::uint64_t>(); }

    std::string_view Rest() {
        const std::string_view rest = rest_;
        rest_ = {};
        return rest;
    }

  private:
    template <typename T>
    T Raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& byte : bytes) {
            byte = Byte();
        }
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    std::string_view rest_;
};

// Stops the fuzzer with the message when a property that must hold does not.
[[noreturn]] void Fail(const std::string& message);

inline void Require(bool holds, const std::string& message) {
    if (!holds) {
        Fail(message);
    }
}

}  // namespace orvanta::fuzz
