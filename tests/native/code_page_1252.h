#pragma once

// Windows-1252 as the ANSI code page, for the settings file's encodings without Windows. Its five
// undefined bytes decode to U+FFFD here, which encodes to nothing: a byte a code page loses.

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "core/ini_file_encoding.h"

namespace orvanta::testing {

inline AnsiCodePage CodePage1252() {
    static constexpr std::array<char16_t, 32> k80To9F = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    auto decode = [](std::string_view bytes) {
        std::u16string text;
        for (const unsigned char byte : bytes) {
            text += byte >= 0x80 && byte < 0xA0 ? k80To9F[byte - 0x80] : static_cast<char16_t>(byte);
        }
        return text;
    };
    auto encode = [](std::u16string_view text) -> std::optional<std::string> {
        std::string bytes;
        for (const char16_t unit : text) {
            const auto* high = std::find(k80To9F.begin(), k80To9F.end(), unit);
            if ((unit >= 0x80 && unit < 0xA0) || (unit > 0xFF && (high == k80To9F.end() || unit == 0xFFFD))) {
                return std::nullopt;
            }
            bytes += static_cast<char>(unit > 0xFF ? 0x80 + (high - k80To9F.begin()) : unit);
        }
        return bytes;
    };
    return {decode, encode};
}

}  // namespace orvanta::testing
