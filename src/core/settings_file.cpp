#include "core/settings_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/place.h"
#include "core/replace_text.h"

namespace orvanta {

namespace {

constexpr const char* kWindowTopKey = "window_top_posn";
constexpr const char* kWindowLeftKey = "window_left_posn";
constexpr const char* kClientWidthKey = "window_ClientWidth";
constexpr const char* kClientHeightKey = "window_ClientHeight";
constexpr const char* kCaptionKey = "current_location_caption";
constexpr const char* kLocationCountKey = "num_other_locations";
constexpr const char* kLocationKeyPrefix = "other_location_caption_";
constexpr const char* kZoneKeyPrefix = "other_location_zone_";
constexpr const char* kWorkStartKey = "planner_work_start";
constexpr const char* kWorkEndKey = "planner_work_end";
// Windows keeps a zone's key name in a registry key name, which is at most this long.
constexpr std::size_t kMaxZoneKeyName = 255;

// Files have always been read with the menus flag's key spelled this way. Key names ignore case,
// so both spellings reach the same value, and each direction keeps its own spelling.
constexpr const char* kMenusOffReadKey = "Menus_Off_Checkbox";

std::string LocationKey(int number) {
    return kLocationKeyPrefix + std::to_string(number);
}

std::string ZoneKey(int number) {
    return kZoneKeyPrefix + std::to_string(number);
}

// A name no registry key could have is no zone: the place keeps its fixed offset.
std::string CheckedZoneKeyName(std::string name) {
    const bool possible = name.size() <= kMaxZoneKeyName && std::none_of(name.begin(), name.end(), [](char c) {
                              return c == '\\' || static_cast<unsigned char>(c) < 0x20;
                          });
    return possible ? name : std::string();
}

int ReadInteger(IniStore& store, std::string_view key, int defaultValue) {
    return ParseIniInteger(store.ReadString(key, ""), defaultValue);
}

}  // namespace

std::string SettingsFilePath(std::string_view executablePath) {
    const auto separator = executablePath.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return kSettingsFileName;
    }
    return std::string(executablePath.substr(0, separator + 1)) + kSettingsFileName;
}

int ParseIniInteger(std::string_view text, int defaultValue) {
    text = WithoutOuterBlanks(text);
    if (text.empty()) {
        return defaultValue;
    }

    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal is a 32-bit pattern, so "0xFFFFFFFF" is -1 as it would be for anyone who
        // wrote it by hand; anything wider than 32 bits is out of range.
        const std::string_view digits = text.substr(2);
        std::uint32_t pattern = 0;
        // from_chars takes no sign for an unsigned type, and stops at the first non-hex digit.
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            return defaultValue;
        }
        return static_cast<int>(pattern);
    }

    // from_chars takes an optional "-" and digits, and reports a value outside int; the whole
    // text must be used, so "12abc" is no number.
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return defaultValue;
    }
    return value;
}

Settings ReadSettings(IniStore& store) {
    const Settings factory;
    Settings read;
    const auto place = [&store](const char* key, int defaultValue) {
        return std::clamp(ReadInteger(store, key, defaultValue), -kMaxWindowCoordinate, kMaxWindowCoordinate);
    };
    const auto size = [&store](const char* key, int defaultValue) {
        return std::clamp(ReadInteger(store, key, defaultValue), 0, kMaxWindowCoordinate);
    };
    read.windowTop = place(kWindowTopKey, factory.windowTop);
    read.windowLeft = place(kWindowLeftKey, factory.windowLeft);
    read.clientWidth = size(kClientWidthKey, factory.clientWidth);
    read.clientHeight = size(kClientHeightKey, factory.clientHeight);
    read.currentLocationCaption = store.ReadString(kCaptionKey, factory.currentLocationCaption);

    const int count = std::min(ReadInteger(store, kLocationCountKey, 0), kMaxOtherLocations);
    for (int number = 1; number <= count; ++number) {
        read.places.push_back(Place::FromEntry(store.ReadString(LocationKey(number), ""),
                                               CheckedZoneKeyName(store.ReadString(ZoneKey(number), ""))));
    }

    for (const auto& field : kSettingsFlagFields) {
        const char* key = field.flag == SettingsFlag::MenusOff ? kMenusOffReadKey : field.key;
        read.SetFlag(field.flag, ReadInteger(store, key, factory.Flag(field.flag) ? 1 : 0) != 0);
    }
    const std::string workStart = store.ReadString(kWorkStartKey, "");
    read.workingHours = WorkingHoursOf(workStart, store.ReadString(kWorkEndKey, ""));
    return read;
}

namespace {

// Writes keys in their order. Once a write has failed nothing more is attempted: the file is
// evidently not writable, and one message about it is enough.
class OrderedWrites {
  public:
    explicit OrderedWrites(IniStore& store) : store_(store) {}

    void Write(std::string_view key, std::string_view value) {
        Note(key, result_.written && store_.WriteString(key, value));
    }
    void Delete(std::string_view key) { Note(key, result_.written && store_.DeleteKey(key)); }
    // A missing value deletes its key.
    void WriteOrDelete(std::string_view key, const std::string* value) {
        value != nullptr ? Write(key, *value) : Delete(key);
    }
    const SettingsWriteResult& Result() const { return result_; }

  private:
    void Note(std::string_view key, bool written) {
        if (result_.written && !written) {
            result_ = {false, std::string(key)};
        }
    }

    IniStore& store_;
    SettingsWriteResult result_;
};

}  // namespace

SettingsWriteResult WriteSettings(IniStore& store, const Settings& settings) {
    OrderedWrites writes(store);
    writes.Write(kWindowTopKey, std::to_string(settings.windowTop));
    writes.Write(kWindowLeftKey, std::to_string(settings.windowLeft));
    writes.Write(kClientWidthKey, std::to_string(settings.clientWidth));
    writes.Write(kClientHeightKey, std::to_string(settings.clientHeight));
    writes.Write(kCaptionKey, settings.currentLocationCaption);
    writes.Write(kLocationCountKey, std::to_string(settings.places.size()));
    // Only places that follow a zone have a zone key, so a file without zones keeps its bytes; any
    // other zone key, of a fixed place or beyond the count, goes, lest it attach itself to a place
    // added later.
    for (int number = 1; number <= kMaxOtherLocations; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        const Place* place = index < settings.places.size() ? &settings.places[index] : nullptr;
        if (place != nullptr) {
            writes.Write(LocationKey(number), place->Entry());
        }
        writes.WriteOrDelete(ZoneKey(number), place != nullptr && place->FollowsZone() ? &place->Zone() : nullptr);
    }
    for (const auto& field : kSettingsFlagFields) {
        writes.Write(field.key, settings.Flag(field.flag) ? "1" : "0");
    }
    // Working hours other than the defaults only, so that a file whose user never changed them keeps
    // its bytes; older versions pass over the keys.
    const bool ownHours = settings.workingHours != WorkingHours{};
    for (const auto& [key, minutes] : {std::pair{kWorkStartKey, settings.workingHours.startMinutes},
                                       std::pair{kWorkEndKey, settings.workingHours.endMinutes}}) {
        const std::string text = ownHours ? WorkingTimeText(minutes) : std::string();
        writes.WriteOrDelete(key, ownHours ? &text : nullptr);
    }
    return writes.Result();
}

std::string UnableToWriteMessage(std::string_view path) {
    return "Unable to write to " + std::string(path);
}

}  // namespace orvanta
