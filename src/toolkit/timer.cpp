#include "toolkit/timer.h"

#include <stdexcept>

#include "toolkit/form.h"

namespace orvanta::toolkit {

Timer::Timer(Form& form, const forms::TimerDescription& description, UINT_PTR id)
    : form_(form), description_(description), id_(id), interval_(description.interval), enabled_(description.enabled) {}

void Timer::SetInterval(unsigned interval) {
    // A running timer keeps its interval: setting it again would only restart it.
    if (interval == interval_) {
        return;
    }
    interval_ = interval;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    const HWND window = form_.Handle();
    if (window == nullptr) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        // Setting the same identifier again restarts the timer with the new interval.
        if (SetTimer(window, id_, interval_, nullptr) == 0) {
            throw std::runtime_error("Cannot start the timer " + std::string(description_.name) + " of " +
                                     std::string(form_.Name()));
        }
    } else {
        KillTimer(window, id_);
    }
}

}  // namespace orvanta::toolkit
