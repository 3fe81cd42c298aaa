// The settings file in whatever bytes a text editor or another tool left, saved with a value of the
// program's. Every key the profile functions could read before the save reads the same after it,
// apart from the one the program wrote; and a conversion that calls itself exact loses no byte.

#include <map>
#include <string>
#include <utility>

#include "code_page_1252.h"
#include "core/ini_file_encoding.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

constexpr std::u16string_view kSection = u"orvanta";
constexpr std::u16string_view kKey = u"other_location_caption_1";

// The profile functions' reading, modelled on a file's text: lines end at CR or LF, a line opening
// with "[" names a section up to "]", "key=value" lines belong to the section above them, names and
// values lose their outer spaces and tabs, a value ends at a NUL, names ignore ASCII case, and the
// first section and key of a name win.
using Keys = std::map<std::pair<std::u16string, std::u16string>, std::u16string>;

std::u16string Trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t");
    return first == std::u16string_view::npos
               ? u""
               : std::u16string(text.substr(first, text.find_last_not_of(u" \t") - first + 1));
}

std::u16string Folded(std::u16string text) {
    for (char16_t& unit : text) {
        unit = unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
    }
    return text;
}

Keys ReadKeys(std::u16string_view text) {
    Keys keys;
    std::u16string section;
    bool inSection = false;
    std::map<std::u16string, bool> seenSections;
    while (!text.empty()) {
        const auto end = text.find_first_of(u"\r\n");
        const std::u16string line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::u16string_view::npos ? text.size() : end + 1);
        if (line.starts_with(u'[')) {
            section = Folded(Trimmed(std::u16string_view(line).substr(1, line.find(u']') - 1)));
            inSection = !seenSections[section];
            seenSections[section] = true;
            continue;
        }
        const auto equals = line.find(u'=');
        if (inSection && equals != std::u16string::npos) {
            std::u16string value = Trimmed(std::u16string_view(line).substr(equals + 1));
            keys.emplace(std::pair{section, Folded(Trimmed(std::u16string_view(line).substr(0, equals)))},
                         value.substr(0, value.find(u'\0')));
        }
    }
    return keys;
}

// The profile functions' writing of one key, modelled: its first line in the first section of that
// name takes the new value, or a line is added at the section's top, or a section at the end.
std::u16string WriteKey(std::u16string text, std::u16string_view value) {
    const std::u16string line = std::u16string(kKey) + u"=" + std::u16string(value) + u"\r\n";
    const std::u16string header = u"\r\n[" + std::u16string(kSection) + u"]\r\n";
    const auto at = Folded(text).find(header.substr(2));
    return at == std::u16string::npos || (at != 0 && text[at - 1] != u'\n') ? text + header + line
                                                                            : text.insert(at + header.size() - 2, line);
}

std::string Utf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::uint32_t code = text[at];
        if (code >= 0xD800 && code < 0xDC00 && at + 1 < text.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
        }
        const int extra = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        bytes += static_cast<char>(extra == 0 ? code : ((0xF0 << (3 - extra)) & 0xFF) | (code >> (6 * extra)));
        for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
            bytes += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
        }
    }
    return bytes;
}

std::string Utf16Be(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

// The bytes of the text in the encoding of the file `like`, mark included.
std::optional<std::string> Encoded(std::u16string_view text, std::string_view like, const AnsiCodePage& codePage) {
    switch (IniFileEncodingOf(like)) {
        case IniFileEncoding::Utf8:
            return "\xEF\xBB\xBF" + Utf8(text);
        case IniFileEncoding::Utf16Be:
            return "\xFE\xFF" + Utf16Be(text);
        case IniFileEncoding::Utf16Le:
            return Utf16LeIniFile(text);
        case IniFileEncoding::Ansi:
            break;
    }
    return codePage.encode(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    // The program's value: one line of text, as a place's entry is.
    std::u16string value = Utf16FromUtf8(input.Line());
    std::erase_if(value, [](char16_t unit) { return unit == u'\r' || unit == u'\0'; });
    const std::string_view live = input.Rest();
    const AnsiCodePage codePage = testing::CodePage1252();

    ConvertedIniFile staged = StagedIniFile(live, codePage);
    fuzz::Require(staged.unicode == (IniFileEncodingOf(staged.bytes) == IniFileEncoding::Utf16Le),
                  "the staged file is not in the encoding it claims");
    if (!staged.unicode && !FitsAnsiCodePage(std::u16string(kKey) + value, codePage)) {
        staged = ToUtf16LeIniFile(staged.bytes, codePage);
    }
    fuzz::Require(staged.unicode || Encoded(value, staged.bytes, codePage).has_value(),
                  "a value is written into a file that cannot hold it");
    const DecodedIniFile before = DecodeIniFile(live, codePage);
    const std::u16string text = DecodeIniFile(staged.bytes, codePage).text;
    if (staged.exact) {
        fuzz::Require(staged.bytes == live || Encoded(text, live, codePage) == std::optional<std::string>(live),
                      "a conversion called exact lost bytes");
    }

    Keys expected = ReadKeys(before.text);
    Keys after = ReadKeys(WriteKey(text, value));
    expected.erase({std::u16string(kSection), std::u16string(kKey)});
    after.erase({std::u16string(kSection), std::u16string(kKey)});
    for (const auto& [name, read] : expected) {
        const auto found = after.find(name);
        fuzz::Require(found != after.end() && found->second == read, "a key reads differently after the save");
    }
    return 0;
}
