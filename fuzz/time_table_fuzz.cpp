// The time comparison table: clock texts of any hour value, and tables of any two entries, the
// current location caption among them.

#include <string>
#include <vector>

#include "fuzz_input.h"
#include "timetable/time_table.h"

using namespace orvanta;

namespace {

void CheckClockText(double hours) {
    const std::string text = Time_To_Clock_Text(hours);
    const bool unknown = text == " ?? ";
    // Hand-edited offsets off the half hour give texts such as "1.75 PM": odd, but still a time.
    const bool clock = text.size() > 3 && (text.ends_with(" AM") || text.ends_with(" PM"));
    fuzz::Require(unknown || clock, "an hour without AM or PM: \"" + text + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    CheckClockText(input.Double());

    const std::string_view caption = input.Line();
    std::vector<Place> others;
    while (!input.Exhausted() && others.size() < 10) {
        others.push_back(Place::FromEntry(input.Line()));
    }
    const TimeTableChoices choices = TimeTableChoicesOf(caption, others);
    fuzz::Require(choices.places.size() == others.size() + 1 && choices.texts.size() == choices.places.size(),
                  "the current location is not offered");
    fuzz::Require(choices.places.front().OffsetHours() == 0.0, "one's own place is not at offset 0");

    // The first and the last place, so the caption meets a hand-edited entry.
    try {
        const TimeTable table = Build_Time_Table(choices.places.front(), choices.places.back());
        for (int row = 1; row < kTimeTableRows; ++row) {
            for (const auto& cell : table[row]) {
                fuzz::Require(cell == " ?? " || cell.ends_with(" AM") || cell.ends_with(" PM"), "a cell: " + cell);
            }
        }
        TimeTableClipboardText(table);
    } catch (const InvalidOffsetError&) {
        // The one error the table reports to the user.
    }
    return 0;
}
