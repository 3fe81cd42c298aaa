// Every text that reaches the logic from the settings file, whatever a hand edit left there: an
// entry, an integer, a caption for the table. Nothing may crash, hang or read out of bounds.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/location_rows.h"
#include "app/settings_file.h"
#include "settings/replace_text.h"
#include "timetable/time_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto split = text.find('\n');
    const std::string_view first = text.substr(0, split);
    const std::string_view second = split == std::string_view::npos ? std::string_view() : text.substr(split + 1);

    orvanta::ParseIniInteger(first, 0);

    orvanta::LocationModel model;
    model.currentLocationCaption = std::string(second);
    model.entries = {std::string(first), std::string(second)};
    model.showDates = size % 2 == 0;
    const auto now = orvanta::LocalDateTime::FromParts({2026, 12, 7, 13, 20, 5, 0});
    orvanta::PlanLocationRows(model, *now, orvanta::RegionalFormats{});

    try {
        orvanta::Build_Time_Table(first, second);
    } catch (const orvanta::InvalidOffsetError&) {
    }

    if (first.size() <= 64 && second.size() <= 64) {
        const auto third = second.find('\t');
        orvanta::Replace_Text(first, second.substr(0, third),
                              third == std::string_view::npos ? std::string_view() : second.substr(third + 1));
    }
    return 0;
}
