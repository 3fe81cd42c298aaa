// The settings file in whatever bytes an editor or another tool left, staged for a save of a value
// of the program's. Every key the profile functions could read before reads the same after, and a
// conversion that calls itself exact gives back the very bytes when encoded as the file was.

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "code_page_1252.h"
#include "core/ini_file_encoding.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

std::u16string Trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t");
    return first == text.npos ? u"" : std::u16string(text.substr(first, text.find_last_not_of(u" \t") - first + 1));
}

// The profile functions' reading, modelled on the text: lines end at CR or LF; "[name]" opens a
// section, whose first appearance counts; "key=value" lines in it, trimmed, ASCII case ignored in
// names, a value ending at a NUL; the first key of a name wins.
std::map<std::u16string, std::u16string> ReadKeys(std::u16string_view text) {
    std::map<std::u16string, std::u16string> keys;
    std::u16string section;
    std::map<std::u16string, int> seen;
    while (!text.empty()) {
        const auto end = text.find_first_of(u"\r\n");
        std::u16string line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
        const auto equals = line.find(u'=');
        for (std::size_t at = 0; at < std::min(equals, line.size()); ++at) {
            line[at] = line[at] >= u'A' && line[at] <= u'Z' ? static_cast<char16_t>(line[at] + 32) : line[at];
        }
        if (line.starts_with(u'[')) {
            section = Trimmed(std::u16string_view(line).substr(1, line.find(u']') - 1));
            section += seen[section]++ == 0 ? u"" : u"\n";  // a later one: never read
        } else if (equals != line.npos) {
            const std::u16string value = Trimmed(std::u16string_view(line).substr(equals + 1));
            keys.emplace(section + u"]" + Trimmed(std::u16string_view(line).substr(0, equals)),
                         value.substr(0, value.find(u'\0')));
        }
    }
    return keys;
}

// The bytes of the text in the encoding of `like`, its mark included.
std::optional<std::string> Encoded(std::u16string_view text, std::string_view like, const AnsiCodePage& codePage) {
    const IniFileEncoding encoding = IniFileEncodingOf(like);
    if (encoding == IniFileEncoding::Ansi || encoding == IniFileEncoding::Utf16Le) {
        return encoding == IniFileEncoding::Ansi ? codePage.encode(text) : Utf16LeIniFile(text);
    }
    std::string bytes = encoding == IniFileEncoding::Utf8 ? "\xEF\xBB\xBF" : "\xFE\xFF";
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::uint32_t code = text[at];
        if (encoding == IniFileEncoding::Utf16Be) {
            bytes += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            continue;
        }
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::u16string value = Utf16FromUtf8(input.Line());  // the program's, as a place's entry
    const std::string_view live = input.Rest();
    const AnsiCodePage codePage = testing::CodePage1252();

    ConvertedIniFile staged = StagedIniFile(live, codePage);
    if (!staged.unicode && !FitsAnsiCodePage(value, codePage)) {
        staged = ToUtf16LeIniFile(staged.bytes, codePage);
    }
    fuzz::Require(staged.unicode == (IniFileEncodingOf(staged.bytes) == IniFileEncoding::Utf16Le) &&
                      (staged.unicode || FitsAnsiCodePage(value, codePage)),
                  "the staged file cannot hold the value");
    const std::u16string text = DecodeIniFile(staged.bytes, codePage).text;
    fuzz::Require(!staged.exact || staged.bytes == live || Encoded(text, live, codePage) == std::string(live),
                  "a conversion called exact lost bytes");
    // The program's own key is written by the profile functions afterwards; every other key reads
    // as before, so all of them must here.
    fuzz::Require(ReadKeys(DecodeIniFile(live, codePage).text) == ReadKeys(text), "a key reads differently");
    return 0;
}
