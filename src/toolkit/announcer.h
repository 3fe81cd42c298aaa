#pragma once

#include <windows.h>

#include <string_view>

namespace orvanta::toolkit {

class AlertObject;

// Says a text once to a screen reader, as Windows has let programs do since long before Windows 7:
// the window raises an alert event (EVENT_SYSTEM_ALERT) for an accessible object of its own whose
// role is an alert and whose name is the text; the reader asks the window for that object and
// speaks its name. oleacc, oleaut32 and COM are loaded on the first announcement.
class Announcer {
  public:
    Announcer() = default;
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    ~Announcer();

    // Throws MissingSystemPart when this Windows lacks a part it needs.
    void Announce(HWND window, std::string_view text);
    // WM_GETOBJECT: the alert's object when it is the one asked for; false for any other.
    bool AnswerObjectRequest(WPARAM wParam, LPARAM lParam, LRESULT& result) const;

  private:
    AlertObject* alert_ = nullptr;
    bool comStarted_ = false;
};

}  // namespace orvanta::toolkit
