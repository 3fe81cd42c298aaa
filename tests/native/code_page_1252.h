#pragma once

// Windows-1252 as the ANSI code page, for the settings file's encodings without Windows. The five
// bytes the code page leaves undefined decode to U+FFFD here, which no byte gives back: they stand
// for a byte that a code page's decoding loses.

#include <array>
#include <optional>
#include <string>

#include "core/ini_file_encoding.h"

namespace orvanta::testing {

inline AnsiCodePage CodePage1252() {
    // 0x80..0x9F; the rest of the code page is Latin-1.
    static constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                       0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    auto decode = [](std::string_view bytes) {
        std::u16string text;
        for (const char byte : bytes) {
            const auto value = static_cast<unsigned char>(byte);
            text += value >= 0x80 && value < 0xA0 ? kHigh[value - 0x80] : static_cast<char16_t>(value);
        }
        return text;
    };
    auto encode = [](std::u16string_view text) -> std::optional<std::string> {
        std::string bytes;
        for (const char16_t unit : text) {
            int byte = unit < 0x80 || (unit >= 0xA0 && unit < 0x100) ? unit : -1;
            for (int at = 0; byte < 0 && at < 32; ++at) {
                byte = kHigh[at] == unit && unit != 0xFFFD ? 0x80 + at : -1;
            }
            if (byte < 0) {
                return std::nullopt;
            }
            bytes += static_cast<char>(byte);
        }
        return bytes;
    };
    return {decode, encode};
}

}  // namespace orvanta::testing
