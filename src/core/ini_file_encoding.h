#pragma once

// The settings file's bytes and the text they hold. The profile functions of Windows and Wine read
// an ANSI file and a UTF-16 LE file with its byte-order mark alike, and write each back in its own
// encoding. Wine also reads and keeps UTF-8 and UTF-16 BE files by their marks, which Windows reads
// as ANSI (the mark then sticks to the first line, hiding a section that starts there). So a save
// keeps the first two as they are, and turns the others into UTF-16 LE holding the same text, as it
// turns an ANSI file once a value no longer fits its code page.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

enum class IniFileEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// The system's ANSI code page, both ways, as the profile functions convert.
struct AnsiCodePage {
    // Any bytes give some text: a byte the code page leaves undefined decodes to a stand-in.
    std::function<std::u16string(std::string_view)> decode;
    // The exact bytes, or nothing when a character has no exact form there (no best fit: "Ł" is
    // not "L").
    std::function<std::optional<std::string>(std::u16string_view)> encode;
};

// By the byte-order mark: UTF-16 LE, UTF-16 BE, UTF-8, and ANSI without one.
IniFileEncoding IniFileEncodingOf(std::string_view bytes);

struct DecodedIniFile {
    std::u16string text;  // without the mark
    // False when some bytes gave no character of their own: invalid in the encoding, or the odd
    // last byte of a UTF-16 file. Encoding the text again then does not give the same bytes.
    bool exact = true;
};
DecodedIniFile DecodeIniFile(std::string_view bytes, const AnsiCodePage& codePage);

// The text as a UTF-16 LE file with its mark.
std::string Utf16LeIniFile(std::u16string_view text);

struct ConvertedIniFile {
    std::string bytes;
    bool unicode = false;  // UTF-16 LE with its mark
    bool exact = true;     // as DecodedIniFile::exact
};
// The file's own text, decoded by its mark, as UTF-16 LE with its mark.
ConvertedIniFile ToUtf16LeIniFile(std::string_view bytes, const AnsiCodePage& codePage);
// What a save starts from: the file as it is when it is ANSI or UTF-16 LE, otherwise its text as
// UTF-16 LE.
ConvertedIniFile StagedIniFile(std::string_view live, const AnsiCodePage& codePage);

// Whether the text can be written into an ANSI file and read back the same.
bool FitsAnsiCodePage(std::u16string_view text, const AnsiCodePage& codePage);

// UTF-8 (as the program holds its text) in UTF-16. Invalid UTF-8 decodes to U+FFFD, once for
// each maximal invalid part, as Windows decodes it; `exact` then becomes false.
std::u16string Utf16FromUtf8(std::string_view utf8, bool* exact = nullptr);

// Told once when a save had to replace some of the file's bytes that were not valid in its encoding.
std::string UnkeptTextMessage(std::string_view path);

}  // namespace orvanta
