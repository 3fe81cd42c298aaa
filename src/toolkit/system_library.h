#pragma once

// Windows DLLs that only some features need (the shell, COM, the dark title bar, what screen
// readers ask for), loaded from the system folder the first time such a feature runs. Importing
// them would make Windows map and initialise them before the first window shows, although most
// runs never use them.

#include <windows.h>

#include <stdexcept>
#include <string>

namespace orvanta::toolkit {

// A DLL or one of its functions that this Windows does not provide. The feature that needed it
// fails with this text; the rest of the program goes on.
class MissingSystemPart : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SystemLibrary {
  public:
    // Not loaded until a function is asked for.
    explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function as the header declares it; throws MissingSystemPart when the DLL or the
    // function is not there.
    template <typename Function>
    Function* Get(const char* name) {
        // Through a plain function pointer type: casting FARPROC straight to another function
        // type is what -Wcast-function-type warns about.
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(Find(name)));
    }

  private:
    FARPROC Find(const char* name);

    const wchar_t* fileName_;
    HMODULE module_ = nullptr;
};

// Makes the system folder the only place that a DLL asked for by name comes from, for every later
// load in the process, those that system DLLs make in turn included: a DLL planted beside the exe
// (a Downloads folder, a shared drive) or in the current directory is never loaded. Called first
// thing, before any window. A Windows 7 without the update that brought this (KB2533623) can only
// take the current directory out of the search; the exe's own folder then still comes first for
// loads that do not name the system folder.
void LoadDllsOnlyFromSystemFolder();

// The libraries the program loads on first use, each loaded at most once. They stay loaded until
// the process ends.
SystemLibrary& Ole32Library();
SystemLibrary& Shell32Library();
SystemLibrary& DwmapiLibrary();
SystemLibrary& OleaccLibrary();
SystemLibrary& OleAut32Library();

}  // namespace orvanta::toolkit

// A function of a system library, typed by its declaration in the Windows headers.
#define ORVANTA_SYSTEM_FUNCTION(library, name) (library).Get<decltype(name)>(#name)
