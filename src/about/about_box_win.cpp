#include "about/about_box_win.h"

#include "forms/about_forms.h"

namespace orvanta {

TAboutBox::TAboutBox(OrvantaApp&, HWND owner) : Form(forms::AboutBoxDescription()) {
    Create({}, owner);
}

THelpBox::THelpBox(OrvantaApp&, HWND owner) : Form(forms::HelpBoxDescription()) {
    Create({}, owner);
}

}  // namespace orvanta
