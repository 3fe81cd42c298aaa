#pragma once

// Shared pieces of the in-process tests under Wine: a fresh application in a temporary folder,
// scripted message dialogs, and message pumping with a bound instead of sleeps.

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/application_win.h"
#include "core/local_datetime.h"
#include "core/regional_formats.h"
#include "fake_shell.h"
#include "ports/message_dialogs.h"
#include "recording_dialogs.h"
#include "test_files.h"

namespace orvanta::testing {

// Message dialogs that answer from a script instead of waiting for a user.
using ScriptedDialogs = RecordingDialogs;

// Handles pending messages until the condition holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Handles the messages that are waiting now.
void PumpPending();

// One step of a script that runs inside a modal window's message loop: an action, or a condition
// waited for while that loop goes on.
struct ModalStep {
    template <typename Action>
    requires std::is_invocable_r_v<void, Action&> ModalStep(Action run) : action(std::move(run)) {}
    static ModalStep WaitUntil(std::function<bool()> condition);

    std::function<void()> action;
    std::function<bool()> until;
};

struct ModalScriptOutcome {
    bool opened = false;                // the window opened and the first step ran
    bool finished = false;              // every step ran
    bool forcedClosed = false;          // still open after the last step, so `forceClose` ended it
    std::vector<std::size_t> timedOut;  // the steps whose condition never held
};

// Runs `open`, which is expected to show a modal window and return once it has closed. Once
// `isOpen` holds, the steps run inside that window's loop, one per timer tick: a timer message is
// made only when no posted message waits, so whatever one step posts has gone through the
// window's own loop, keyboard handling included, before the next step runs. The last step should
// close the window; if it is still open a while later, `forceClose` ends it so that the test
// fails instead of hanging.
ModalScriptOutcome RunModalScript(const std::function<void()>& open,
                                  const std::function<bool()>& isOpen,
                                  std::vector<ModalStep> steps,
                                  const std::function<void()>& forceClose = {});

// The one-step form: `whileOpen` runs once the window is open and must close it. False when the
// window never opened.
bool RunModal(const std::function<void()>& open,
              const std::function<bool()>& isOpen,
              const std::function<void()>& whileOpen);

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
    // Makes the main window the active one, as it is when the user chooses one of its commands.
    void ActivateMainForm();

    // The model's places as the settings file keeps them, and one added from such an entry.
    std::vector<std::string> Entries() const;
    void AddEntry(const std::string& entry, std::string zone = {});

    std::string ExecutablePath() const { return folder_.Path() + "orvanta.exe"; }
    std::string IniPath() const { return folder_.Path() + "orvanta.ini"; }

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    FakeShell shell_;
    MessageDialogs* dialogsPort_ = &dialogs_;  // what the program is given as its message dialogs
    LocalDateTime now_ = TestMoment();
    LocalDateTime universalNow_ = TestMoment();  // the local clock is universal time unless a test says
    bool clockFails_ = false;                    // reading the clock throws
    bool systemClock_ = false;                   // the computer's own clock instead of now_
    int clockReadings_ = 0;
    RegionalFormats formats_ = TestFormats();
    std::optional<int> startupShowState_;
    RegistryFactory registry_;                          // empty: the registry of the test prefix
    std::function<void(unsigned milliseconds)> pause_;  // empty: the program's own pause
    const SystemPreferences* preferences_ = nullptr;    // nullptr: Windows' own
    std::unique_ptr<OrvantaApp> app_;
};

}  // namespace orvanta::testing
