#include "core/ini_file_encoding.h"

#include <cstdint>

namespace orvanta {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char16_t kReplacement = u'\uFFFD';

void AppendCodePoint(std::u16string& text, std::uint32_t codePoint) {
    if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    text += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

// The second byte's range of a sequence led by `lead` (the later ones are always 80..BF), and how
// many continuation bytes follow: a narrower range shuts out overlong forms, surrogates and
// anything above U+10FFFF.
struct Utf8Lead {
    int continuations;
    unsigned char low;
    unsigned char high;
};

std::optional<Utf8Lead> LeadOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return Utf8Lead{1, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return Utf8Lead{2, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
                        static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return Utf8Lead{3, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
                        static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return std::nullopt;
}

// Two bytes a code unit; an odd last byte is no character.
DecodedIniFile DecodeUtf16(std::string_view bytes, bool bigEndian) {
    DecodedIniFile decoded;
    decoded.exact = bytes.size() % 2 == 0;
    decoded.text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        decoded.text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return decoded;
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8, bool* exact) {
    std::u16string text;
    text.reserve(utf8.size());
    bool valid = true;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[at++]);
        if (lead < 0x80) {
            text += static_cast<char16_t>(lead);
            continue;
        }
        const std::optional<Utf8Lead> form = LeadOf(lead);
        if (!form) {
            text += kReplacement;
            valid = false;
            continue;
        }
        // Each continuation byte that fits is taken; the first that does not ends the invalid part
        // and starts the next character.
        std::uint32_t codePoint = lead & (0x3F >> form->continuations);
        int taken = 0;
        for (; taken < form->continuations && at < utf8.size(); ++taken, ++at) {
            const auto next = static_cast<unsigned char>(utf8[at]);
            const unsigned char low = taken == 0 ? form->low : 0x80;
            const unsigned char high = taken == 0 ? form->high : 0xBF;
            if (next < low || next > high) {
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (taken == form->continuations) {
            AppendCodePoint(text, codePoint);
        } else {
            text += kReplacement;
            valid = false;
        }
    }
    if (exact != nullptr) {
        *exact = valid;
    }
    return text;
}

IniFileEncoding IniFileEncodingOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) {
        return IniFileEncoding::Utf16Le;
    }
    if (bytes.starts_with(kUtf16BeMark)) {
        return IniFileEncoding::Utf16Be;
    }
    if (bytes.starts_with(kUtf8Mark)) {
        return IniFileEncoding::Utf8;
    }
    return IniFileEncoding::Ansi;
}

DecodedIniFile DecodeIniFile(std::string_view bytes, const AnsiCodePage& codePage) {
    switch (IniFileEncodingOf(bytes)) {
        case IniFileEncoding::Utf16Le:
            return DecodeUtf16(bytes.substr(kUtf16LeMark.size()), false);
        case IniFileEncoding::Utf16Be:
            return DecodeUtf16(bytes.substr(kUtf16BeMark.size()), true);
        case IniFileEncoding::Utf8: {
            DecodedIniFile decoded;
            decoded.text = Utf16FromUtf8(bytes.substr(kUtf8Mark.size()), &decoded.exact);
            return decoded;
        }
        case IniFileEncoding::Ansi:
            break;
    }
    DecodedIniFile decoded;
    decoded.text = codePage.decode(bytes);
    // A byte that the code page cannot give back is lost once the text is all that is kept.
    decoded.exact = codePage.encode(decoded.text) == std::optional<std::string>(bytes);
    return decoded;
}

std::string Utf16LeIniFile(std::u16string_view text) {
    std::string bytes(kUtf16LeMark);
    bytes.reserve(bytes.size() + text.size() * 2);
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

ConvertedIniFile ToUtf16LeIniFile(std::string_view bytes, const AnsiCodePage& codePage) {
    if (IniFileEncodingOf(bytes) == IniFileEncoding::Utf16Le) {
        // Already the form the profile functions keep everywhere: their own bytes, odd ones included.
        return {std::string(bytes), true, true};
    }
    const DecodedIniFile decoded = DecodeIniFile(bytes, codePage);
    return {Utf16LeIniFile(decoded.text), true, decoded.exact};
}

ConvertedIniFile StagedIniFile(std::string_view live, const AnsiCodePage& codePage) {
    switch (IniFileEncodingOf(live)) {
        case IniFileEncoding::Ansi:
            return {std::string(live), false, true};
        case IniFileEncoding::Utf16Le:
            return {std::string(live), true, true};
        case IniFileEncoding::Utf8:
        case IniFileEncoding::Utf16Be:
            break;
    }
    return ToUtf16LeIniFile(live, codePage);
}

bool FitsAnsiCodePage(std::u16string_view text, const AnsiCodePage& codePage) {
    return codePage.encode(text).has_value();
}

std::string UnkeptTextMessage(std::string_view path) {
    return "Some characters in " + std::string(path) +
           " were not valid in the file's encoding and could not be kept as they were. The settings have been "
           "saved with a replacement character (\xEF\xBF\xBD) in their place.";
}

}  // namespace orvanta
