#pragma once

#include <optional>
#include <string>

namespace orvanta::toolkit {

// Registers the common control classes the forms use; once per process, before any form.
void InitialiseCommonControls();

// The full path of the running executable.
std::string ExecutablePath();

// The show state the process was started with, when the launching program gave one.
std::optional<int> StartupShowState();

struct LocalClockReading {
    int year, month, day, hour, minute, second, millisecond;
};
// The system clock in local time, to the millisecond.
LocalClockReading ReadLocalClock();

}  // namespace orvanta::toolkit
