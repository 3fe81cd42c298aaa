#include "test_support.h"

#include "app/main_form_win.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {

DialogButton ScriptedDialogs::Show(MessageKind kind,
                                   std::string_view text,
                                   ButtonSet buttons,
                                   DialogButton defaultButton) {
    shown.push_back({kind, std::string(text), buttons, defaultButton});
    if (answers.empty()) {
        return defaultButton;
    }
    const DialogButton answer = answers.front();
    answers.pop_front();
    return answer;
}

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

namespace {

struct ModalScript {
    std::function<bool()> isOpen;
    std::function<void()> whileOpen;
    bool ran = false;
    DWORD deadline = 0;
};
ModalScript* activeScript = nullptr;

void CALLBACK ModalScriptTick(HWND, UINT, UINT_PTR timer, DWORD) {
    ModalScript* script = activeScript;
    if (script == nullptr || script->ran) {
        KillTimer(nullptr, timer);
        return;
    }
    if (script->isOpen()) {
        KillTimer(nullptr, timer);
        script->ran = true;
        script->whileOpen();
    } else if (GetTickCount() > script->deadline) {
        KillTimer(nullptr, timer);
    }
}

}  // namespace

bool RunModal(const std::function<void()>& open,
              const std::function<bool()>& isOpen,
              const std::function<void()>& whileOpen,
              DWORD timeoutMs) {
    ModalScript script{isOpen, whileOpen, false, GetTickCount() + timeoutMs};
    activeScript = &script;
    // A thread timer fires in whatever message loop runs, the modal window's included.
    SetTimer(nullptr, 0, 10, &ModalScriptTick);
    open();
    activeScript = nullptr;
    return script.ran;
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
    ports.clock = [this] { return now_; };
    ports.regionalFormats = [this] { return formats_; };
    ports.dialogs = &dialogs_;
    ports.startupShowState = startupShowState_;
    app_ = std::make_unique<OrvantaApp>(std::move(ports));
    return *app_;
}

OrvantaApp& AppTest::StartApp() {
    CreateApp();
    app_->ShowMainForm();
    return *app_;
}

void AppTest::WaitForFirstTick() {
    auto& main = app_->MainForm();
    ASSERT_TRUE(PumpUntil([&main] { return main.FormActivate_Already_Run_CheckBox; }));
}

}  // namespace orvanta::testing
