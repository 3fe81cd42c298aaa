#include <windows.h>

#include <gtest/gtest.h>

#include "desktop/documents.h"
#include "test_files.h"
#include "toolkit/win_shell.h"

namespace orvanta::testing {
namespace {

TEST(WinShellTest, FindsNotepadInTheWindowsDirectory) {
    toolkit::WinShell shell;
    const std::string windows = shell.WindowsDirectory();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(shell.FileExists(Notepad_Path(windows)));
    // A folder is not a file.
    EXPECT_FALSE(shell.FileExists(windows));
}

TEST(WinShellTest, NamesAFileAsTheDiskSpellsIt) {
    TempFolder folder;
    WriteFileBytes(folder.Path() + "Orvanta.EXE", "");
    toolkit::WinShell shell;
    EXPECT_EQ(shell.NameOnDisk(folder.Path() + "orvanta.exe"), "Orvanta.EXE");
    EXPECT_EQ(shell.NameOnDisk(folder.Path() + "Missing.Exe"), "Missing.Exe");
}

}  // namespace
}  // namespace orvanta::testing
