#pragma once

// Shared pieces of the in-process tests under Wine: a fresh application in a temporary folder,
// scripted message dialogs, and message pumping with a bound instead of sleeps.

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application_win.h"
#include "app/local_datetime.h"
#include "app/regional_formats.h"
#include "test_files.h"
#include "toolkit/message_dialogs.h"

namespace orvanta::testing {

// Message dialogs that answer from a script instead of waiting for a user.
class ScriptedDialogs final : public MessageDialogs {
  public:
    struct Shown {
        MessageKind kind;
        std::string text;
        ButtonSet buttons;
        DialogButton defaultButton;
    };

    DialogButton Show(MessageKind kind, std::string_view text, ButtonSet buttons, DialogButton defaultButton) override;

    std::vector<Shown> shown;
    // Answers in order; with none left the default button is pressed.
    std::deque<DialogButton> answers;
};

// Handles pending messages until the condition holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Handles the messages that are waiting now.
void PumpPending();

// Runs `open`, which is expected to show a modal window and return once it has closed. From inside
// that window's message loop, as soon as `isOpen` holds, `whileOpen` runs; it must close the window.
// False when the window never opened within the time.
bool RunModal(const std::function<void()>& open,
              const std::function<bool()>& isOpen,
              const std::function<void()>& whileOpen,
              DWORD timeoutMs = 5000);

// The moment most tests see on the clock: 13:20:05.000 on 7 December 2026.
LocalDateTime TestMoment();
// 24-hour clock, no leading zero on the hour, "M/d/yyyy".
RegionalFormats TestFormats();

// A fresh program in a temporary folder, with a fixed clock and scripted dialogs.
class AppTest : public ::testing::Test {
  protected:
    AppTest();
    ~AppTest() override;

    // Creates the program's windows, as start-up does; not yet shown.
    OrvantaApp& CreateApp();
    // Creates the program and shows the main window for the first time.
    OrvantaApp& StartApp();
    // Lets the clock's first tick and one more happen.
    void WaitForFirstTick();

    std::string ExecutablePath() const { return folder_.Path() + "orvanta.exe"; }
    std::string IniPath() const { return folder_.Path() + "orvanta.ini"; }

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    LocalDateTime now_ = TestMoment();
    RegionalFormats formats_ = TestFormats();
    std::optional<int> startupShowState_;
    std::unique_ptr<OrvantaApp> app_;
};

}  // namespace orvanta::testing
