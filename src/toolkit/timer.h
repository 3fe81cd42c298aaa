#pragma once

#include <windows.h>

#include <string_view>

#include "form_types/form_description.h"

namespace orvanta::toolkit {

class Form;

// A timer of a form: WM_TIMER with its identifier runs its handler.
class Timer {
  public:
    Timer(Form& form, const forms::TimerDescription& description, UINT_PTR id);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::string_view Name() const { return description_.name; }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT_PTR Id() const { return id_; }
    std::string_view OnTimer() const { return description_.onTimer; }

  private:
    friend class Form;
    // Starts, restarts or stops the Windows timer to match the interval and the switch.
    void Apply();

    Form& form_;
    const forms::TimerDescription& description_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_;
};

}  // namespace orvanta::toolkit
