#pragma once

#include <windows.h>

#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

// The about window; its titles are set at the main window's first showing.
class TAboutBox final : public toolkit::Form {
  public:
    TAboutBox(OrvantaApp& app, HWND owner);
};

// The help window: four lines of help and an OK button.
class THelpBox final : public toolkit::Form {
  public:
    THelpBox(OrvantaApp& app, HWND owner);
};

}  // namespace orvanta
