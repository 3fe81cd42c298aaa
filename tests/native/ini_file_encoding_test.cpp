#include "core/ini_file_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "code_page_1252.h"

namespace orvanta::testing {
namespace {

// A file another tool and a text editor have been at: a comment, a section not ours, and ours.
const std::u16string kText =
    u"; edited by hand\r\n[other tool]\r\nkept=Z\u00FCrich \u03A9\r\n[orvanta]\r\nnum_other_locations=0\r\n";
// The same in the ANSI code page, where "Ω" has no place.
const std::u16string kAnsiText = u"; edited by hand\r\n[other tool]\r\nkept=Z\u00FCrich\r\n[orvanta]\r\n";

std::string Utf16Be(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

const std::string kUtf8 =
    "; edited by hand\r\n[other tool]\r\nkept=Z\xC3\xBCrich \xCE\xA9\r\n[orvanta]\r\nnum_other_locations=0\r\n";

TEST(IniFileEncodingTest, ASaveKeepsTheFilesTextInTheEncodingItCanBeKeptIn) {
    const AnsiCodePage codePage = CodePage1252();
    struct Case {
        const char* name;
        std::string bytes;
        IniFileEncoding encoding;
        std::u16string text;  // as the file's own encoding gives it
        bool exact;
    };
    const Case cases[] = {
        {"ANSI", *codePage.encode(kAnsiText), IniFileEncoding::Ansi, kAnsiText, true},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + kUtf8, IniFileEncoding::Utf8, kText, true},
        // Read as the code page reads it, as the profile functions read it: Ã¼ for ü.
        {"UTF-8 without a mark", kUtf8, IniFileEncoding::Ansi, codePage.decode(kUtf8), true},
        {"UTF-16 LE", Utf16LeIniFile(kText), IniFileEncoding::Utf16Le, kText, true},
        {"UTF-16 BE", Utf16Be(kText), IniFileEncoding::Utf16Be, kText, true},
        {"UTF-16 BE of odd length", Utf16Be(kText) + "A", IniFileEncoding::Utf16Be, kText, false},
        {"invalid UTF-8", "\xEF\xBB\xBFk=Z\xFCrich\xE2\x82\r\n", IniFileEncoding::Utf8, u"k=Z\uFFFDrich\uFFFD\r\n",
         false},
        {"a byte the code page loses", "k=\x81\r\n", IniFileEncoding::Ansi, u"k=\uFFFD\r\n", false},
        {"empty", "", IniFileEncoding::Ansi, u"", true},
    };
    for (const Case& c : cases) {
        // A value that fits the code page, and one that needs Unicode.
        for (const std::u16string value : {u"Z\u00FCrich", u"\u6771\u4EAC"}) {
            SCOPED_TRACE(std::string(c.name) + (value.size() == 2 ? ", writing a name in any script" : ""));
            EXPECT_EQ(IniFileEncodingOf(c.bytes), c.encoding);
            // What the store does: stage, then convert once a value does not fit.
            ConvertedIniFile staged = StagedIniFile(c.bytes, codePage);
            const bool needsUnicode = !FitsAnsiCodePage(value, codePage);
            if (!staged.unicode && needsUnicode) {
                staged = ToUtf16LeIniFile(staged.bytes, codePage);
            }
            const bool keptAsItWas =
                c.encoding == IniFileEncoding::Utf16Le || (c.encoding == IniFileEncoding::Ansi && !needsUnicode);
            EXPECT_EQ(staged.unicode, c.encoding != IniFileEncoding::Ansi || needsUnicode);
            EXPECT_EQ(staged.bytes, keptAsItWas ? c.bytes : Utf16LeIniFile(c.text));
            EXPECT_EQ(staged.exact, keptAsItWas || c.exact);
            EXPECT_EQ(DecodeIniFile(staged.bytes, codePage).text, c.text);
        }
    }
}

TEST(IniFileEncodingTest, Utf8DecodesAsWindowsDecodesIt) {
    const struct {
        std::string utf8;
        std::u16string text;
        bool exact;
    } cases[] = {
        {"Z\xC3\xBCrich \xE6\x9D\xB1 \xF0\x9F\x98\x80", u"Z\u00FCrich \u6771 \U0001F600", true},
        {"\xC0\x80", u"\uFFFD\uFFFD", false},                      // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},            // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},  // beyond U+10FFFF
        {"\xF0\x9F\x98=", u"\uFFFD=", false},                      // cut short: one replacement
        {"\xBF\xFF", u"\uFFFD\uFFFD", false},
    };
    for (const auto& c : cases) {
        bool exact = !c.exact;
        EXPECT_EQ(Utf16FromUtf8(c.utf8, &exact), c.text) << c.utf8;
        EXPECT_EQ(exact, c.exact) << c.utf8;
    }
}

}  // namespace
}  // namespace orvanta::testing
