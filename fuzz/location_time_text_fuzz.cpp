// The clock rows with any moment, any offset and regional formats that come from the input:
// designators, separators, date pictures, names. Windows hands these over from the user's own
// settings, which can hold anything a control panel lets through.

#include <string>

#include "core/location_rows.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

// 0001-01-01 up to the last millisecond of 9999-12-31.
constexpr std::uint64_t kRepresentableMilliseconds = 3'652'059ULL * 86'400'000ULL;

RegionalFormats FormatsFrom(fuzz::FuzzInput& input) {
    RegionalFormats formats;
    const std::uint8_t switches = input.Byte();
    formats.clock24Hour = (switches & 1) != 0;
    formats.hourLeadingZero = (switches & 2) != 0;
    formats.designatorFirst = (switches & 4) != 0;
    formats.amDesignator = input.Line();
    formats.pmDesignator = input.Line();
    formats.timeSeparator = input.Line();
    formats.shortDatePicture = input.Line();
    formats.dateSeparator = input.Line();
    // One name of each kind is enough to reach every name lookup with odd text.
    formats.monthNames[input.Byte() % 12] = input.Line();
    formats.shortDayNames[input.Byte() % 7] = input.Line();
    return formats;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const RegionalFormats formats = FormatsFrom(input);
    const bool showDates = (input.Byte() & 1) != 0;
    const auto now =
        LocalDateTime::FromMilliseconds(static_cast<std::int64_t>(input.Unsigned64() % kRepresentableMilliseconds));
    fuzz::Require(now.has_value(), "a representable moment was refused");
    const double offsetDays = input.Double();

    const auto text = Location_Time_Text(*now, offsetDays, showDates, formats);
    if (text) {
        fuzz::Require(text->size() >= 2 && text->front() == ' ' && text->back() == ' ', "a time text without spaces");
    }

    // The rest of the input as the settings dialog's model: a caption and entries, one a line.
    const bool hideCurrentLocation = (input.Byte() & 1) != 0;
    const std::string caption(input.Line());
    std::vector<Place> places;
    while (!input.Exhausted() && places.size() < static_cast<std::size_t>(kMaxOtherLocations)) {
        places.push_back(Place::FromEntry(input.Line()));
    }
    const LocationRowsPlan plan = PlanLocationRows({caption, places, showDates, hideCurrentLocation}, *now, formats);
    for (const RowPlan& row : plan) {
        if (row.action == RowAction::Show) {
            fuzz::Require(!row.time.empty(), "a shown row without a time");
        }
    }
    return 0;
}
