#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "appearance/file_status_win.h"
#include "test_files.h"
#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

class FileStatusTest : public ::testing::Test {
  protected:
    FileStatusTest() { WriteFileBytes(path_, "[orvanta]\r\n"); }

    // Wine reports every file as archived and cannot clear that flag, so the archive flag is only
    // looked at where it must be set; the other three are compared exactly.
    DWORD Attributes() const {
        const DWORD attributes = GetFileAttributesW(toolkit::Widen(path_).c_str());
        return attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }
    bool Archived() const { return (GetFileAttributesW(toolkit::Widen(path_).c_str()) & FILE_ATTRIBUTE_ARCHIVE) != 0; }
    // Holds the file open as another program would, sharing it as asked.
    toolkit::UniqueKernelHandle Hold(DWORD access, DWORD sharing) const {
        const HANDLE file = CreateFileW(toolkit::Widen(path_).c_str(), access, sharing, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        return toolkit::UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
    }

    TempFolder folder_;
    std::string path_ = folder_.Path() + "orvanta.ini";
};

TEST_F(FileStatusTest, TheStatusSaysWhetherAnotherProgramHoldsTheFile) {
    EXPECT_EQ(Get_File_Status(""), "");
    EXPECT_EQ(Get_File_Status(folder_.Path() + "missing.ini"), "");
    EXPECT_EQ(Get_File_Status(folder_.Path()), "") << "a folder is no file";
    EXPECT_EQ(Get_File_Status(path_), "CLOSED");
    {
        // Even a holder that lets others read and write keeps the file from being closed.
        const auto held = Hold(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        EXPECT_EQ(Get_File_Status(path_), "OPEN");
    }
    EXPECT_EQ(Get_File_Status(path_), "CLOSED") << "the test leaves the file as it was";

    // A name of 128 characters and more is tested like any other.
    const std::string longName = folder_.Path() + std::string(140, 'x') + ".ini";
    WriteFileBytes(longName, "x");
    const HANDLE held = CreateFileW(toolkit::Widen(longName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Get_File_Status(longName), "OPEN");
    CloseHandle(held);
    EXPECT_EQ(Get_File_Status(longName), "CLOSED");
}

TEST_F(FileStatusTest, AttributesAreSetToExactlyTheChosenFour) {
    struct Case {
        bool readOnly, archive, system, hidden;
        DWORD expected;
    };
    const Case cases[] = {
        {true, false, false, false, FILE_ATTRIBUTE_READONLY},
        {false, true, false, true, FILE_ATTRIBUTE_HIDDEN},
        {false, false, true, false, FILE_ATTRIBUTE_SYSTEM},
        {true, true, true, true, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN},
        {false, false, false, false, 0},
    };
    for (const Case& c : cases) {
        Set_File_Attributes(path_, c.readOnly, c.archive, c.system, c.hidden);
        EXPECT_EQ(Attributes(), c.expected) << c.readOnly << c.archive << c.system << c.hidden;
        if (c.archive) {
            EXPECT_TRUE(Archived());
        }
    }
    Set_File_Attributes(folder_.Path() + "missing.ini", true, false, false, false);
    EXPECT_FALSE(FileExists(folder_.Path() + "missing.ini"));
}

}  // namespace
}  // namespace orvanta::testing
