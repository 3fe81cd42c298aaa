#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "desktop/documents.h"
#include "fake_shell.h"

namespace orvanta {
namespace {

using testing::FakeShell;

TEST(DocumentsTest, TheReadmeIsTheExecutablesNameCutAtItsFirstDot) {
    struct Case {
        const char* executable;
        const char* readme;
    };
    const Case cases[] = {
        {"C:\\Apps\\orvanta.exe", "C:\\Apps\\orvanta.txt"},
        {"C:\\Apps\\my.clock.exe", "C:\\Apps\\my.txt"},
        {"C:\\Apps\\clock", "C:\\Apps\\clock.txt"},
        // A dot in a folder name is not the name's.
        {"C:\\v2.7\\Orvanta.EXE", "C:\\v2.7\\Orvanta.txt"},
        {"D:\\My Programs\\world clock.exe", "D:\\My Programs\\world clock.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Readme_Path(c.executable), c.readme) << c.executable;
    }
    EXPECT_EQ(Catalog_Path("C:\\v2.7\\my.clock.exe"), "C:\\v2.7\\catalog.txt");
}

struct ViewCase {
    const char* name;
    const char* windowsDirectory;
    const char* notepadAt;  // nullptr: nowhere
    std::string document;
    const char* message;  // nullptr: Notepad starts
    std::string program;  // when it starts: the file run, never searched for
    std::string commandLine;
};

void PrintTo(const ViewCase& c, std::ostream* out) {
    *out << c.name;
}

class ViewFileInNotepadTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ViewFileInNotepadTest, StartsTheNotepadFoundInTheWindowsFolderOnTheQuotedPath) {
    const ViewCase& c = GetParam();
    FakeShell shell;
    shell.windowsDirectory = c.windowsDirectory;
    if (c.notepadAt != nullptr) {
        shell.AddFile(c.notepadAt);
    }
    const auto message = View_File_In_Notepad(shell, c.document);
    if (c.message != nullptr) {
        EXPECT_EQ(message.value_or("(none)"), c.message);
        EXPECT_TRUE(shell.started.empty());
    } else {
        EXPECT_FALSE(message.has_value()) << *message;
        EXPECT_EQ(shell.started, (std::vector<FakeShell::Started>{{c.program, c.commandLine}}));
    }
}

const std::string kLongFolder = "C:\\" + std::string(300, 'f') + "\\notes in here";

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ViewFileInNotepadTest,
    ::testing::Values(
        ViewCase{"Found", "C:\\windows", "C:\\WINDOWS\\notepad.exe", "C:\\Apps\\orvanta.txt", nullptr,
                 "C:\\windows\\Notepad.EXE", "\"C:\\windows\\Notepad.EXE\" \"C:\\Apps\\orvanta.txt\""},
        ViewCase{"SpacesInBothPaths", "C:\\My Windows", "C:\\My Windows\\Notepad.EXE", "C:\\My Apps\\a b.txt", nullptr,
                 "C:\\My Windows\\Notepad.EXE", "\"C:\\My Windows\\Notepad.EXE\" \"C:\\My Apps\\a b.txt\""},
        ViewCase{"WindowsAtTheRootOfADrive", "W:\\", "W:\\Notepad.EXE", "C:\\a.txt", nullptr, "W:\\Notepad.EXE",
                 "\"W:\\Notepad.EXE\" \"C:\\a.txt\""},
        ViewCase{"LongerThanAnyFixedBuffer", "C:\\windows", "C:\\windows\\notepad.exe", kLongFolder + "\\a.txt",
                 nullptr, "C:\\windows\\Notepad.EXE", "\"C:\\windows\\Notepad.EXE\" \"" + kLongFolder + "\\a.txt\""},
        ViewCase{"Missing", "C:\\windows", nullptr, "C:\\a.txt", kNotepadMissingMessage, "", ""},
        // Elsewhere on the search path does not count.
        ViewCase{"OnlyInSystem32", "C:\\windows", "C:\\windows\\system32\\notepad.exe", "C:\\a.txt",
                 kNotepadMissingMessage, "", ""},
        ViewCase{"EmptyPath", "C:\\windows", "C:\\windows\\notepad.exe", "", kNoFileToViewMessage, "", ""},
        // The Notepad test comes first.
        ViewCase{"MissingAndEmptyPath", "C:\\windows", nullptr, "", kNotepadMissingMessage, "", ""}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

TEST(DocumentsTest, EachOpeningStartsANotepadOfItsOwn) {
    FakeShell shell;
    shell.AddFile("C:\\windows\\notepad.exe");
    EXPECT_FALSE(View_Readme_File(shell, "C:\\Apps\\my.clock.exe").has_value());
    EXPECT_FALSE(View_Readme_File(shell, "C:\\Apps\\my.clock.exe").has_value());
    const FakeShell::Started readme{"C:\\windows\\Notepad.EXE", "\"C:\\windows\\Notepad.EXE\" \"C:\\Apps\\my.txt\""};
    EXPECT_EQ(shell.started, (std::vector<FakeShell::Started>{readme, readme}));
}

TEST(DocumentsTest, AMissingCatalogIsExplainedNamingTheProduct) {
    FakeShell shell;
    shell.AddFile("C:\\windows\\notepad.exe");
    EXPECT_EQ(View_Catalog_File(shell, "C:\\Apps\\orvanta.exe", "Orvanta v2.7f").value_or("(none)"),
              "Tamsor's Shareware Catalog is not in the same directory as Orvanta v2.7f.  The required file "
              "'catalog.txt' was included in the distribution ZIP file.  Please unzip this file and try again.");
    EXPECT_TRUE(shell.started.empty());

    shell.AddFile("C:\\Apps\\Catalog.TXT");
    EXPECT_FALSE(View_Catalog_File(shell, "C:\\Apps\\orvanta.exe", "Orvanta v2.7f").has_value());
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].second, "\"C:\\windows\\Notepad.EXE\" \"C:\\Apps\\catalog.txt\"");
}

TEST(DocumentsTest, APresentCatalogStillNeedsNotepad) {
    FakeShell shell;
    shell.AddFile("C:\\Apps\\catalog.txt");
    EXPECT_EQ(View_Catalog_File(shell, "C:\\Apps\\orvanta.exe", "Orvanta v2.7f").value_or("(none)"),
              kNotepadMissingMessage);
}

}  // namespace
}  // namespace orvanta
