#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/main_form_win.h"
#include "test_support.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

// Dialogs that can never be made, as when the system has no window left to give: every message,
// the error box's own included, throws.
class UnshowableDialogs final : public MessageDialogs {
  public:
    DialogButton Show(MessageKind, std::string_view, ButtonSet, DialogButton) override {
        ++attempts;
        throw std::runtime_error("no window for the box");
    }
    int attempts = 0;
};

using UncaughtErrorsTest = AppTest;

TEST_F(UncaughtErrorsTest, AnErrorWhoseBoxCannotBeMadeEndsInAPlainMessageBoxAndTheProgramGoesOn) {
    UnshowableDialogs dialogs;
    dialogsPort_ = &dialogs;
    StartApp();
    WaitForFirstTick();
    auto& main = app_->MainForm();
    const UINT readme = main.MenuEntry("View_Readme_file_Option").CommandId();
    const auto plainErrorBox = [] { return FindWindowW(L"#32770", L"Error"); };
    std::string shownText;
    // The fake shell has no Notepad: the handler's information box throws, then the error box.
    const bool opened = RunModal([&] { SendMessageW(main.Handle(), WM_COMMAND, readme, 0); },
                                 [&] { return plainErrorBox() != nullptr; },
                                 [&] {
                                     shownText = toolkit::WindowText(GetDlgItem(plainErrorBox(), 0xFFFF));
                                     PostMessageW(plainErrorBox(), WM_COMMAND, IDOK, 0);
                                 });
    EXPECT_TRUE(opened);
    EXPECT_EQ(shownText, "no window for the box");
    EXPECT_EQ(dialogs.attempts, 2);
    // The window is still there and its clock goes on.
    now_ = *LocalDateTime::FromParts({2026, 12, 7, 15, 0, 0, 0});
    EXPECT_TRUE(PumpUntil([&] { return main.Component("Other_Location_Time_0").Text() == " 15:00:00 "; }, 2000));
    EXPECT_FALSE(app_->UncaughtErrors().BoxOpen());
}

}  // namespace
}  // namespace orvanta::testing
