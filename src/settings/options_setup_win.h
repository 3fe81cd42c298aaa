#pragma once

#include <windows.h>

#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

// The settings dialog. Its controls are the program's only store of the locations, the current
// location caption and the four display switches: everything else reads them directly.
class TOptions_Setup final : public toolkit::Form {
  public:
    TOptions_Setup(OrvantaApp& app, HWND owner);

    void Housrs_Diff_SpinButtonUpClick();
    void Housrs_Diff_SpinButtonDownClick();
    void Add_to_List_ButtonClick();
    void Other_Locations_ListBoxClick();

  private:
    void StepOffset(int direction);

    OrvantaApp& app_;
};

}  // namespace orvanta
