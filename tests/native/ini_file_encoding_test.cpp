#include "core/ini_file_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "code_page_1252.h"

namespace orvanta::testing {
namespace {

// A file an editor and another tool have been at: a comment, a section not ours, then ours.
const std::u16string kText =
    u"; by hand\r\n[other tool]\r\nkept=Z\u00FCrich \u03A9\r\n[orvanta]\r\nnum_other_locations=0\r\n";
const std::string kUtf8 =
    "; by hand\r\n[other tool]\r\nkept=Z\xC3\xBCrich \xCE\xA9\r\n[orvanta]\r\nnum_other_locations=0\r\n";

std::string Utf16Be(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    for (const char16_t unit : text) {
        bytes += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    return bytes;
}

// What a save stages: the file as it is, or its text as UTF-16 LE once a value does not fit it.
TEST(IniFileEncodingTest, ASaveKeepsTheFilesTextInAnEncodingTheProfileFunctionsKeep) {
    const AnsiCodePage codePage = CodePage1252();
    const std::u16string ansiText = kText.substr(0, kText.find(u" \u03A9")) + u"\r\n";
    const struct {
        const char* name;
        std::string bytes;
        IniFileEncoding encoding;
        std::u16string text;  // as the file's own encoding gives it
        bool exact;
    } cases[] = {
        {"ANSI", *codePage.encode(ansiText), IniFileEncoding::Ansi, ansiText, true},
        {"UTF-8", "\xEF\xBB\xBF" + kUtf8, IniFileEncoding::Utf8, kText, true},
        // Read as the profile functions read a file without a mark: "Ã¼" for "ü".
        {"UTF-8 without a mark", kUtf8, IniFileEncoding::Ansi, codePage.decode(kUtf8), true},
        {"UTF-16 LE", Utf16LeIniFile(kText), IniFileEncoding::Utf16Le, kText, true},
        {"UTF-16 BE", Utf16Be(kText), IniFileEncoding::Utf16Be, kText, true},
        {"UTF-16 BE of odd length", Utf16Be(kText) + "A", IniFileEncoding::Utf16Be, kText, false},
        // One U+FFFD per maximal invalid part: overlong, surrogate, cut short, stray.
        {"invalid UTF-8", "\xEF\xBB\xBFk=\xC0\x80\xED\xA0\x80\xF0\x9F\x98=\xBF \xF0\x9F\x98\x80\r\n",
         IniFileEncoding::Utf8, u"k=\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD=\uFFFD \U0001F600\r\n", false},
        {"a byte the code page loses", "k=\x81\r\n", IniFileEncoding::Ansi, u"k=\uFFFD\r\n", false},
        {"no file", "", IniFileEncoding::Ansi, u"", true},
    };
    for (const auto& c : cases) {
        for (const std::u16string value : {u"Z\u00FCrich", u"\u6771\u4EAC"}) {
            SCOPED_TRACE(std::string(c.name) + (value.size() == 2 ? " with a name in any script" : ""));
            EXPECT_EQ(IniFileEncodingOf(c.bytes), c.encoding);
            ConvertedIniFile staged = StagedIniFile(c.bytes, codePage);
            const bool needsUnicode = !FitsAnsiCodePage(value, codePage);
            if (!staged.unicode && needsUnicode) {
                staged = ToUtf16LeIniFile(staged.bytes, codePage);
            }
            const bool kept =
                c.encoding == IniFileEncoding::Utf16Le || (c.encoding == IniFileEncoding::Ansi && !needsUnicode);
            EXPECT_EQ(staged.unicode, c.encoding != IniFileEncoding::Ansi || needsUnicode);
            EXPECT_EQ(staged.bytes, kept ? c.bytes : Utf16LeIniFile(c.text));
            EXPECT_EQ(staged.exact, kept || c.exact);
            EXPECT_EQ(DecodeIniFile(staged.bytes, codePage).text, c.text);
        }
    }
}

}  // namespace
}  // namespace orvanta::testing
