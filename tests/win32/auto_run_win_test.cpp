#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/main_form_win.h"
#include "desktop/auto_run.h"
#include "test_support.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValueName = L"orvanta.exe";

// The program in its temporary folder against the real machine-wide Run key of the test prefix.
// The value of its name is removed before and after each test, so no test sees another's entry.
class AutoRunWinTest : public AppTest {
  protected:
    AutoRunWinTest() { RemoveRunValue(); }
    ~AutoRunWinTest() override {
        app_.reset();
        RemoveRunValue();
    }

    static void RemoveRunValue() { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kValueName); }
    static void SetRunValue(const std::string& data) {
        const std::wstring text = toolkit::Widen(data);
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kValueName, REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    // The value's text when it is a string.
    static std::optional<std::string> RunValue() {
        wchar_t text[1024] = {};
        DWORD bytes = sizeof(text);
        if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, kValueName, RRF_RT_REG_SZ, nullptr, text, &bytes) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return toolkit::Narrow(text);
    }
    bool AutoRunChecked() { return app_->MainForm().MenuEntry("Auto_Run_at_Windows_Startup_Option").Checked(); }
    void ClickAutoRun() {
        const UINT command = app_->MainForm().MenuEntry("Auto_Run_at_Windows_Startup_Option").CommandId();
        SendMessageW(app_->MainForm().Handle(), WM_COMMAND, command, 0);
    }
};

TEST_F(AutoRunWinTest, TheCheckMarkFollowsTheRegistryAtEveryStart) {
    const std::string stale = "C:\\Elsewhere\\orvanta.exe";
    std::string lowerCase = ExecutablePath();
    for (char& c : lowerCase) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const struct {
        const char* what;
        std::optional<std::string> stored;
        std::optional<DialogButton> answer;  // nothing: no question expected
        bool checked;
        std::optional<std::string> storedAfter;
    } cases[] = {
        {"no entry, though the settings file says on", std::nullopt, std::nullopt, false, std::nullopt},
        {"an entry in other ASCII letter case", lowerCase, std::nullopt, true, lowerCase},
        {"a stale entry kept", stale, DialogButton::No, true, stale},
        {"a stale entry rewritten", stale, DialogButton::Yes, true, ExecutablePath()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app_.reset();
        dialogs_.shown.clear();
        RemoveRunValue();
        WriteFileBytes(IniPath(), "[orvanta]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
        if (c.stored) {
            SetRunValue(*c.stored);
        }
        if (c.answer) {
            dialogs_.answers = {*c.answer};
        }
        StartApp();
        EXPECT_EQ(AutoRunChecked(), c.checked);
        EXPECT_EQ(RunValue(), c.storedAfter);
        if (!c.answer) {
            EXPECT_TRUE(dialogs_.shown.empty());
            continue;
        }
        ASSERT_FALSE(dialogs_.shown.empty());
        EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Warning);
        EXPECT_EQ(dialogs_.shown[0].text, AutoRunPathMismatchQuestion("orvanta.exe", stale, ExecutablePath()));
        EXPECT_EQ(dialogs_.shown.size(), *c.answer == DialogButton::Yes ? 2u : 1u);
    }
}

TEST_F(AutoRunWinTest, TheMenuEntryEntersAndRemovesTheProgram) {
    StartApp();
    ASSERT_FALSE(AutoRunChecked());
    ClickAutoRun();
    EXPECT_TRUE(AutoRunChecked());
    EXPECT_EQ(RunValue(), ExecutablePath());
    ClickAutoRun();
    EXPECT_FALSE(AutoRunChecked());
    EXPECT_EQ(RunValue(), std::nullopt);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[0].text, AutoRunEnabledMessage("orvanta.exe"));
    EXPECT_EQ(dialogs_.shown[1].text, AutoRunDisabledMessage("orvanta.exe"));
}

TEST_F(AutoRunWinTest, AFailedClickLeavesTheCheckMarkAsItWas) {
    // A machine without a Run key.
    class NoRunKey final : public Registry {
      public:
        bool KeyExists(std::string_view) override { return false; }
        std::string ReadString(std::string_view, std::string_view) override { return {}; }
        bool ValueExists(std::string_view, std::string_view) override { return false; }
        RegistryChange WriteString(std::string_view, std::string_view, std::string_view) override {
            return RegistryChange::KeyMissing;
        }
        RegistryChange DeleteValue(std::string_view, std::string_view) override { return RegistryChange::KeyMissing; }
    };
    registry_ = [](RegistryRoot) { return std::make_unique<NoRunKey>(); };
    StartApp();
    for (const bool checked : {false, true}) {
        app_->MainForm().MenuEntry("Auto_Run_at_Windows_Startup_Option").SetChecked(checked);
        dialogs_.shown.clear();
        ClickAutoRun();
        EXPECT_EQ(AutoRunChecked(), checked);
        ASSERT_EQ(dialogs_.shown.size(), 1u);
        EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Error);
    }
}

}  // namespace
}  // namespace orvanta::testing
