#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "about/about_box_win.h"
#include "app/main_form_win.h"
#include "core/program_titles.h"
#include "desktop/documents.h"
#include "test_support.h"

namespace orvanta::testing {
namespace {

using HelpBoxTest = AppTest;

TEST_F(HelpBoxTest, OpensWithOkFocusedAndClosesWithEnterOrEscape) {
    StartApp();
    auto& help = app_->HelpBox();
    EXPECT_EQ(help.Caption(), "Orvanta v2.7f Help ...");
    const HWND ok = help.Component("OKButton").Handle();
    BUTTON_IMAGELIST glyph{};
    ASSERT_TRUE(SendMessageW(ok, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)));
    EXPECT_NE(glyph.himl, nullptr) << "the OK glyph";
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ActivateMainForm();
        const auto outcome = RunModalScript([&] { app_->MainForm().HelpOptionClick(); }, [&] { return help.Showing(); },
                                            {ModalStep::WaitUntil([&] { return GetFocus() == ok; }),
                                             [&] { PostMessageW(ok, WM_KEYDOWN, key, 0x00010001); }},
                                            [&] { help.EndModal(forms::ModalResult::Cancel); });
        EXPECT_TRUE(outcome.timedOut.empty()) << "key " << key << ": the OK button never had the focus";
        EXPECT_TRUE(outcome.opened);
        EXPECT_FALSE(outcome.forcedClosed) << "key " << key;
        EXPECT_FALSE(help.Showing());
    }
}

// The menu handlers use the shell port; which Notepad is found and what it is started on are the
// document logic's, tested natively.
class DocumentCommandsTest : public AppTest {
  protected:
    void RunCommand(void (TMainForm1::*handler)()) { (app_->MainForm().*handler)(); }
    void GiveNotepad() { shell_.AddFile(shell_.windowsDirectory + "\\notepad.exe"); }
};

TEST_F(DocumentCommandsTest, TheReadmeCommandsStartNotepadBesideTheExecutable) {
    GiveNotepad();
    StartApp();
    RunCommand(&TMainForm1::View_Readme_file_OptionClick);
    RunCommand(&TMainForm1::SpareMenuClick);
    const std::string notepad = Notepad_Path(shell_.windowsDirectory);
    const FakeShell::Started expected{notepad, Notepad_Command_Line(notepad, folder_.Path() + "orvanta.txt")};
    EXPECT_EQ(shell_.started, (std::vector<FakeShell::Started>{expected, expected}));
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(DocumentCommandsTest, WhatIsMissingIsToldInAnInformationBox) {
    StartApp();
    RunCommand(&TMainForm1::View_Readme_file_OptionClick);
    // The catalog names the product as the about window shows it.
    RunCommand(&TMainForm1::View_Shareware_Catalog_OptionClick);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[0].text, kNotepadMissingMessage);
    EXPECT_EQ(dialogs_.shown[1].text, Catalog_Missing_Message(kProgramTitle));
    for (const auto& shown : dialogs_.shown) {
        EXPECT_EQ(shown.kind, MessageKind::Information);
        EXPECT_EQ(shown.buttons, ButtonSet::Ok);
    }
    EXPECT_TRUE(shell_.started.empty());
}

}  // namespace
}  // namespace orvanta::testing
