#include <windows.h>

#include <cstdlib>
#include <exception>

#include "app/application_win.h"
#include "toolkit/platform.h"
#include "toolkit/system_library.h"
#include "toolkit/win_text.h"

// The runtime's default terminate handler prints the escaping exception's type, and brings a name
// demangler of some 46 KB into the exe to do it. Defining it here keeps the runtime's own, and the
// demangler with it, out of the link. A window program has nowhere to print: it ends at once, as
// that handler does once it has printed.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL by name: the picture decoders, the theme and accessibility parts
    // that Windows maps for the first windows.
    orvanta::toolkit::LoadDllsOnlyFromSystemFolder();
    orvanta::toolkit::InitialiseCommonControls();
    try {
        orvanta::OrvantaApp app(orvanta::SystemPorts());
        return app.Run();
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, orvanta::toolkit::Widen(error.what()).c_str(), L"Error", MB_OK | MB_ICONERROR);
        return 1;
    }
}
