#pragma once

#include <windows.h>

#include <random>

#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

// The about window: product lines, a quote that changes every ten seconds, the free memory twice a
// second, the e-mail, web and donation links, and the animated logo, all running only while the
// window is open.
class TAboutBox final : public toolkit::Form {
  public:
    TAboutBox(OrvantaApp& app, HWND owner);

    // The title and the texts written once at start-up; the copyright names the current year.
    void Set_Startup_Texts(int currentYear);

    // Handlers.
    void FormActivate();
    void FormKeyDown(toolkit::EventArgs& args);
    void FormClose();
    void OKButtonClick();
    void Quote_Change_TimerTimer();
    void Free_Resources_TimerTimer();
    void Email_ButtonClick();
    void WEB_ButtonClick();
    void PayPal_Donations_LabelClick();
    void PayPal_ImageClick();

  private:
    void Stop_Timers_And_Animation();
    void Close_About_Box();

    OrvantaApp& app_;
    std::mt19937 random_;
};

// The help window: four lines of help and an OK button.
class THelpBox final : public toolkit::Form {
  public:
    THelpBox(OrvantaApp& app, HWND owner);

    void OKButtonClick();
};

}  // namespace orvanta
