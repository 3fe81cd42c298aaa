#include "test_support.h"

#include <stdexcept>

#include "app/main_form_win.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {

void PumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (condition()) {
            return true;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 20), QS_ALLINPUT);
    }
}

ModalStep ModalStep::WaitUntil(std::function<bool()> condition) {
    ModalStep step([] {});
    step.until = std::move(condition);
    return step;
}

namespace {

constexpr std::int64_t kLateInTheSecondMs = 985;

constexpr DWORD kStepTimeoutMs = 3000;

struct ModalScript {
    std::function<bool()> isOpen;
    std::vector<ModalStep> steps;
    std::function<void()> forceClose;
    ModalScriptOutcome outcome;
    std::size_t next = 0;
    bool running = false;
    DWORD deadline = 0;
};
ModalScript* activeScript = nullptr;

void CALLBACK ModalScriptTick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = activeScript;
    if (script == nullptr || script->running) {
        return;  // a step that pumps messages itself must not start the next one
    }
    const bool open = script->isOpen();
    if (script->next == script->steps.size()) {
        if (open && script->forceClose && GetTickCount() > script->deadline) {
            script->outcome.forcedClosed = true;
            script->forceClose();
        }
        return;
    }
    if (!open) {
        return;
    }
    const ModalStep& step = script->steps[script->next];
    if (step.until && !step.until()) {
        if (GetTickCount() <= script->deadline) {
            return;
        }
        script->outcome.timedOut.push_back(script->next);
    }
    if (!step.until) {
        script->running = true;
        step.action();
        script->running = false;
    }
    script->outcome.opened = true;
    script->outcome.finished = ++script->next == script->steps.size();
    script->deadline = GetTickCount() + kStepTimeoutMs;
}

}  // namespace

ModalScriptOutcome RunModalScript(const std::function<void()>& open,
                                  const std::function<bool()>& isOpen,
                                  std::vector<ModalStep> steps,
                                  const std::function<void()>& forceClose) {
    ModalScript script{isOpen, std::move(steps), forceClose};
    script.deadline = GetTickCount() + kStepTimeoutMs;
    activeScript = &script;
    // A thread timer fires in whatever message loop runs, the modal window's included.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &ModalScriptTick);
    open();
    KillTimer(nullptr, timer);
    activeScript = nullptr;
    return script.outcome;
}

bool RunModal(const std::function<void()>& open,
              const std::function<bool()>& isOpen,
              const std::function<void()>& whileOpen) {
    return RunModalScript(open, isOpen, {whileOpen}).opened;
}

LocalDateTime TestMoment() {
    return *LocalDateTime::FromParts({2026, 12, 7, 13, 20, 5, 0});
}

RegionalFormats TestFormats() {
    RegionalFormats formats;
    formats.clock24Hour = true;
    formats.hourLeadingZero = false;
    formats.shortDatePicture = "M/d/yyyy";
    return formats;
}

AppTest::AppTest() = default;

AppTest::~AppTest() {
    app_.reset();
    PumpPending();
}

OrvantaApp& AppTest::CreateApp() {
    AppPorts ports;
    ports.executablePath = ExecutablePath();
    ports.clock = [this, systemClock = SystemPorts().clock] {
        ++clockReadings_;
        if (clockFails_) {
            throw std::runtime_error("The clock cannot be read");
        }
        if (systemClock_) {
            return systemClock();
        }
        // Late in now_'s second: the clock aims each tick just past the next second, so the tests'
        // clock ticks every few tens of milliseconds and shows now_'s time.
        return *LocalDateTime::FromMilliseconds(now_.Milliseconds() / 1000 * 1000 + kLateInTheSecondMs);
    };
    ports.universalClock = [this, systemClock = SystemPorts().universalClock] {
        return systemClock_ ? systemClock() : universalNow_;
    };
    ports.regionalFormats = [this] { return formats_; };
    ports.dialogs = dialogsPort_;
    ports.shell = &shell_;
    ports.startupShowState = startupShowState_;
    ports.registry = registry_;
    ports.pause = pause_;
    ports.preferences = preferences_;
    app_ = std::make_unique<OrvantaApp>(std::move(ports));
    return *app_;
}

OrvantaApp& AppTest::StartApp() {
    CreateApp();
    app_->ShowMainForm();
    return *app_;
}

void AppTest::ActivateMainForm() {
    // Without a window manager the desktop may keep the foreground after a modal window hides.
    const HWND main = app_->MainForm().Handle();
    SetForegroundWindow(main);
    ASSERT_TRUE(PumpUntil([main] { return GetForegroundWindow() == main; }));
}

void AppTest::WaitForFirstTick() {
    auto& main = app_->MainForm();
    ASSERT_TRUE(PumpUntil([&main] { return main.FormActivate_Already_Run_CheckBox; }));
}

std::vector<std::string> AppTest::Entries() const {
    std::vector<std::string> entries;
    for (const Place& place : app_->Model().Places()) {
        entries.push_back(place.Entry());
    }
    return entries;
}

void AppTest::AddEntry(const std::string& entry, std::string zone) {
    app_->Model().AddPlace(Place::FromEntry(entry, std::move(zone)));
}

}  // namespace orvanta::testing
