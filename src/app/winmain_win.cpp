#include <windows.h>

#include <exception>

#include "app/application_win.h"
#include "toolkit/platform.h"
#include "toolkit/win_text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    orvanta::toolkit::InitialiseCommonControls();
    try {
        orvanta::OrvantaApp app(orvanta::SystemPorts());
        return app.Run();
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, orvanta::toolkit::Widen(error.what()).c_str(), L"Error", MB_OK | MB_ICONERROR);
        return 1;
    }
}
