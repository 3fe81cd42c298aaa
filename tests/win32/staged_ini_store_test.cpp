#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/ini_file_encoding.h"
#include "test_files.h"
#include "toolkit/profile_ini_store.h"
#include "toolkit/staged_ini_store.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

using toolkit::ProfileIniStore;
using toolkit::StagedIniStore;

// A settings file as another tool may leave it: a section not ours, and keys of ours.
const std::string kOldFile =
    "[other tool]\r\nkept=yes\r\n[orvanta]\r\nnum_other_locations=1\r\nother_location_caption_1=Tokyo:9.0\r\n";

int TemporaryFilesIn(const TempFolder& folder) {
    // Only ours: when ReplaceFileW fails, Wine leaves a backup of its own ("rf*.tmp") behind.
    return static_cast<int>(
        std::count_if(std::filesystem::directory_iterator(folder.WidePath()), {}, [](const auto& f) {
            const std::wstring name = f.path().filename().wstring();
            return name.starts_with(L"orvanta.ini.") && name.ends_with(L".tmp");
        }));
}

// A file held open without sharing, as another program may hold it, while this lives; none for an empty path.
struct Held {
    explicit Held(const std::wstring& path)
        : handle(path.empty() ? INVALID_HANDLE_VALUE
                              : CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_EQ(handle != INVALID_HANDLE_VALUE, !path.empty());
    }
    ~Held() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    const HANDLE handle;
};

// A name outside the ANSI code page turns the file into UTF-16, and it stays so; a name that is in it
// leaves the file as the profile functions write it (below).
TEST(StagedIniStoreTest, ANameInAnyScriptSurvivesInAFileThatStaysUnicode) {
    // "Łódź" (Ł would only best-fit to L) and "東京".
    for (const std::string name : {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xE6\x9D\xB1\xE4\xBA\xAC"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const std::string path = folder.Path() + "orvanta.ini";
        WriteFileBytes(path, kOldFile);
        // An attribute the user gave the file stays with it.
        ASSERT_TRUE(SetFileAttributesW(toolkit::Widen(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
        const std::string entry = name + ":9.0";
        for (const char* top : {"150", "300"}) {
            StagedIniStore store(path, "orvanta");
            ASSERT_TRUE(store.WriteString("window_top_posn", top));
            // The second save writes only ANSI values; a file once Unicode stays so.
            if (top == std::string("150")) {
                ASSERT_TRUE(store.WriteString("other_location_caption_1", entry));
            }
            ASSERT_TRUE(store.Commit());
            EXPECT_TRUE(ReadFileBytes(path).starts_with("\xFF\xFE")) << top;
            EXPECT_EQ(StagedIniStore(path, "orvanta").ReadString("other_location_caption_1", ""), entry);
            EXPECT_EQ(ProfileIniStore(path, "orvanta").ReadString("window_top_posn", ""), top);
            EXPECT_EQ(ProfileIniStore(path, "other tool").ReadString("kept", ""), "yes");
            EXPECT_NE(GetFileAttributesW(toolkit::Widen(path).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
        }
        EXPECT_EQ(TemporaryFilesIn(folder), 0);
    }
}

// A file saved by a text editor in an encoding the profile functions read by its mark: after a save
// of a name in any script every key reads as it read before, and the file is UTF-16 LE. Bytes that
// were not valid in the file's encoding are told of, once.
TEST(StagedIniStoreTest, AFileInAnyEncodingKeepsEveryKeyThroughASaveInAnyScript) {
    const std::wstring text =
        L"; by hand\r\n[other tool]\r\nkept=Z\u00FCrich \u03A9\r\n[orvanta]\r\n"
        L"window_top_posn=150\r\nother_location_caption_1=Z\u00FCrich \u03A9:1.0\r\n";
    std::string bigEndian = "\xFE\xFF";
    for (const wchar_t unit : text) {
        bigEndian += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    const std::string utf8 = "\xEF\xBB\xBF" + toolkit::Narrow(text);
    const struct {
        const char* name;
        std::string bytes;
        bool told;
    } cases[] = {{"UTF-8", utf8, false}, {"UTF-16 BE", bigEndian, false}, {"invalid UTF-8", utf8 + "x=\xFC\r\n", true}};
    const std::pair<const char*, const char*> keys[] = {{"other tool", "kept"},
                                                        {"orvanta", "window_top_posn"},
                                                        {"orvanta", "other_location_caption_1"},
                                                        {"orvanta", "x"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.Path() + "orvanta.ini";
        WriteFileBytes(path, c.bytes);
        std::vector<std::string> before;
        for (const auto& [section, key] : keys) {
            before.push_back(ProfileIniStore(path, section).ReadString(key, "<none>"));
        }
        ASSERT_EQ(before[1], "150") << "the profile functions read the file by its mark";
        {
            // Read at start from the text a save keeps, which Windows too reads by its mark.
            StagedIniStore reader(path, "orvanta");
            reader.ReadAsSaved();
            EXPECT_FALSE(reader.StagingPath().empty());
            EXPECT_EQ(reader.ReadString("other_location_caption_1", ""), before[2]);
        }
        StagedIniStore store(path, "orvanta");
        ASSERT_TRUE(store.WriteString("other_location_caption_2", "\xE6\x9D\xB1\xE4\xBA\xAC:9.0"));
        ASSERT_TRUE(store.Commit());
        EXPECT_EQ(store.Notice(), c.told ? UnkeptTextMessage(path) : "");
        // The old mark is not carried into the text.
        EXPECT_TRUE(ReadFileBytes(path).starts_with(std::string("\xFF\xFE;\0", 4)));
        for (std::size_t at = 0; at < std::size(keys); ++at) {
            EXPECT_EQ(ProfileIniStore(path, keys[at].first).ReadString(keys[at].second, "<none>"), before[at])
                << keys[at].second;
        }
        EXPECT_EQ(ProfileIniStore(path, "orvanta").ReadString("other_location_caption_2", ""),
                  "\xE6\x9D\xB1\xE4\xBA\xAC:9.0");
    }
}

TEST(StagedIniStoreTest, AnAnsiSaveIsByteForByteWhatTheProfileFunctionsWrite) {
    for (const bool fileThere : {false, true}) {
        SCOPED_TRACE(fileThere ? "over an old file" : "a first save");
        TempFolder folder;
        const std::string plain = folder.Path() + "plain.ini";
        const std::string staged = folder.Path() + "staged.ini";
        if (fileThere) {
            WriteFileBytes(plain, kOldFile);
            WriteFileBytes(staged, kOldFile);
        }
        ProfileIniStore plainStore(plain, "orvanta");
        StagedIniStore stagedStore(staged, "orvanta");
        for (const auto& [key, value] : {std::pair{"window_top_posn", "200"},
                                         {"current_location_caption", "Caf\xC3\xA9 :"},
                                         {"num_other_locations", "0"}}) {
            ASSERT_TRUE(plainStore.WriteString(key, value));
            ASSERT_TRUE(stagedStore.WriteString(key, value));
        }
        ASSERT_TRUE(stagedStore.Commit());
        EXPECT_EQ(ReadFileBytes(staged), ReadFileBytes(plain));
        EXPECT_NE(ReadFileBytes(staged).find("Caf\xE9 :"), std::string::npos) << "in code page 1252";
    }
}

// Whichever step fails, the old file stays as it was and no temporary file is left behind.
TEST(StagedIniStoreTest, AFailedSaveLeavesTheOldFileByteForByte) {
    enum class Failure { WriteAtKeyThree, LiveFileHeld, NeverCommitted };
    for (const Failure failure : {Failure::WriteAtKeyThree, Failure::LiveFileHeld, Failure::NeverCommitted}) {
        SCOPED_TRACE(static_cast<int>(failure));
        TempFolder folder;
        const std::string path = folder.Path() + "orvanta.ini";
        WriteFileBytes(path, kOldFile);
        {
            StagedIniStore store(path, "orvanta");
            bool allWritten = true;
            for (int key = 1; key <= 5; ++key) {
                // Held only while key 3 is written: the later keys and the commit could go through.
                const Held held(key == 3 && failure == Failure::WriteAtKeyThree ? store.StagingPath() : L"");
                allWritten = store.WriteString("other_location_caption_" + std::to_string(key), "\xE6\x9D\xB1:9.0") &&
                             allWritten;
            }
            EXPECT_EQ(allWritten, failure != Failure::WriteAtKeyThree);
            const Held held(failure == Failure::LiveFileHeld ? toolkit::Widen(path) : L"");
            if (failure != Failure::NeverCommitted) {
                EXPECT_FALSE(store.Commit());
            }
        }
        EXPECT_EQ(ReadFileBytes(path), kOldFile);
        EXPECT_EQ(TemporaryFilesIn(folder), 0);
    }
}

}  // namespace
}  // namespace orvanta::testing
