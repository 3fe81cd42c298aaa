#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "ports/shell.h"
#include "toolkit/form.h"

namespace orvanta {

// The about window: product lines, a quote that changes every ten seconds, the free memory twice a
// second, the e-mail, web and donation links, and the animated logo, all running only while the
// window is open.
class TAboutBox final : public toolkit::Form {
  public:
    TAboutBox(Shell& shell, std::string executablePath, HWND owner);

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
    // A uniform choice among count (> 0) items.
    int RandomBelow(int count);

    Shell& shell_;
    std::string executablePath_;
    // Where the links lead, kept here rather than read back from the windows that show them.
    std::string emailAddress_;
    std::string webAddress_;
    std::string donationAddress_;
    // xoshiro128** state: a few lines of our own in place of the library's engine, whose compiled
    // code the exe would otherwise carry. Never all zero.
    std::array<std::uint32_t, 4> random_{1, 0, 0, 0};

    toolkit::Control* Product_Name_Label = nullptr;
    toolkit::Control* Author_and_Date_Label = nullptr;
    toolkit::Control* Developed_Using_Label = nullptr;
    toolkit::Control* Copyright_Label = nullptr;
    toolkit::Control* Software_Status_Label = nullptr;
    toolkit::Control* Comments_Label = nullptr;
    toolkit::Control* WEB_Page_Label = nullptr;
    toolkit::Control* Email_Button = nullptr;
    toolkit::Control* Email_Address_Label = nullptr;
    toolkit::Control* WEB_Button = nullptr;
    toolkit::Control* WEB_Address_Label = nullptr;
    toolkit::Control* PayPal_WEB_Address_Label = nullptr;
    toolkit::Control* PayPal_Donations_Label = nullptr;
    toolkit::Control* PayPal_Image = nullptr;
    toolkit::Control* Tamsor_Logo_GIFImage = nullptr;
    toolkit::Control* Tamsor_Logo_Banner_Image = nullptr;
    toolkit::Control* Australian_Made_Logo = nullptr;
    toolkit::Control* Australian_Made_Label = nullptr;
    toolkit::Control* Bevel1 = nullptr;
    toolkit::Control* Bevel3 = nullptr;
    toolkit::Control* Quote_From_Tamsor_Label = nullptr;
    toolkit::Control* Label3 = nullptr;
    toolkit::Control* Free_Resources_Label = nullptr;
};

// The help window: four lines of help and an OK button.
class THelpBox final : public toolkit::Form {
  public:
    explicit THelpBox(HWND owner);

    void OKButtonClick();
};

}  // namespace orvanta
