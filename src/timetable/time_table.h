#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

inline constexpr int kTimeTableRows = 25;  // the header row and the 24 hours
inline constexpr int kTimeTableColumns = 2;

using TimeTable = std::array<std::array<std::string, kTimeTableColumns>, kTimeTableRows>;

// Raised when a chosen entry's offset is not a number; the text is what the user sees:
// "'Home0' is not a valid floating point value".
class InvalidOffsetError : public std::runtime_error {
  public:
    explicit InvalidOffsetError(std::string_view offsetText);
};

// The 12-hour clock text of an hour value: " 1:00 AM", "12:30 PM", "11:00 PM", "12:00 AM" for 24.
std::string Time_To_Clock_Text(double hours);

// The entries both lists of the table offer: the current location caption with "0" appended,
// then every other location unchanged.
std::vector<std::string> TimeTableEntries(std::string_view currentLocationCaption,
                                          const std::vector<std::string>& otherLocations);

// The two entries a table compares when it opens: the first entry (the current location) against
// the second, or against itself when there is no other. Two empty entries for an empty list.
std::array<std::string, kTimeTableColumns> DefaultTimeTablePair(const std::vector<std::string>& entries);

// Row 0: the two descriptions; row r: the clock text of r and of r - offset 1 + offset 2.
// Throws InvalidOffsetError when either offset is not a number.
TimeTable Build_Time_Table(std::string_view location1Entry, std::string_view location2Entry);

// 25 lines of column 0, a tab, column 1 and CR LF (the last line too).
std::string TimeTableClipboardText(const TimeTable& table);

}  // namespace orvanta
