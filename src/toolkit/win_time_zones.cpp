#include "toolkit/win_time_zones.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

// Windows keeps its zones here, since Vista with the rules by year under "Dynamic DST", and Wine
// copies it; the system's own zone functions read the same entries. 64-bit Windows shares the key
// with 32-bit programs rather than redirecting it.
constexpr wchar_t kZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
// A key name is at most 255 characters; display names are far shorter than this bound.
constexpr DWORD kMaxKeyName = 256;
constexpr DWORD kMaxDisplayName = 512;
// No zone is a day or more away from universal time, nor moves its clock that far.
constexpr LONG kMaxBias = 24 * 60 - 1;
// Windows' rules by year start in 2000 at the earliest; this leaves room without trusting a
// count that would have the program read for ever.
constexpr DWORD kMaxRuleYears = 400;

UniqueRegistryKey OpenForReading(HKEY parent, const wchar_t* subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, subKey, 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) {
        return {};
    }
    return UniqueRegistryKey(key);
}

// A value of one type whose size is exactly `bytes`, or of at most `bytes` for text.
bool ReadValue(HKEY key, const wchar_t* name, DWORD expectedType, void* data, DWORD& bytes) {
    DWORD type = 0;
    return RegQueryValueExW(key, name, nullptr, &type, static_cast<BYTE*>(data), &bytes) == ERROR_SUCCESS &&
           type == expectedType;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    if (!ReadValue(key, name, REG_DWORD, &value, bytes) || bytes != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<ZoneTransition> TransitionFrom(const SYSTEMTIME& t) {
    const ZoneTransition transition{t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
                                    t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
    // Month 0 says there is no such transition; the rest of the date is then of no account.
    if (transition.month == 0) {
        return transition;
    }
    const bool relative = transition.year == 0;
    if (transition.month > 12 || transition.dayOfWeek > 6 || transition.day < 1 ||
        transition.day > (relative ? 5 : 31) || transition.year > 9999 || transition.hour > 23 ||
        transition.minute > 59 || transition.second > 59 || transition.milliseconds > 999) {
        return std::nullopt;
    }
    return transition;
}

// The 44 bytes of a "TZI" value: three LONGs, then the standard and the daylight date.
std::optional<ZoneYearRules> ReadRules(HKEY key, const wchar_t* name) {
    struct {
        LONG bias, standardBias, daylightBias;
        SYSTEMTIME standardDate, daylightDate;
    } tzi{};
    static_assert(sizeof(tzi) == 44);
    DWORD bytes = sizeof(tzi);
    if (!ReadValue(key, name, REG_BINARY, &tzi, bytes) || bytes != sizeof(tzi)) {
        return std::nullopt;
    }
    for (const LONG bias : {tzi.bias, tzi.standardBias, tzi.daylightBias}) {
        if (bias < -kMaxBias || bias > kMaxBias) {
            return std::nullopt;
        }
    }
    const auto standardDate = TransitionFrom(tzi.standardDate);
    const auto daylightDate = TransitionFrom(tzi.daylightDate);
    if (!standardDate || !daylightDate) {
        return std::nullopt;
    }
    return ZoneYearRules{tzi.bias, tzi.standardBias, tzi.daylightBias, *standardDate, *daylightDate};
}

// The rules by year, when the zone has them, all of them or those of the years around one; false
// when they are there but cannot be trusted.
bool ReadRulesByYear(HKEY zoneKey, TimeZoneRules& zone, std::optional<int> around) {
    const UniqueRegistryKey years = OpenForReading(zoneKey, L"Dynamic DST");
    if (!years) {
        return true;
    }
    const auto first = ReadDword(years.Get(), L"FirstEntry");
    const auto last = ReadDword(years.Get(), L"LastEntry");
    if (!first || !last || *first < 1 || *last > 9999 || *first > *last || *last - *first >= kMaxRuleYears) {
        return false;
    }
    DWORD from = *first;
    DWORD to = *last;
    if (around) {
        // The years either side too: a moment's rules are those of the year on the zone's clock.
        from = static_cast<DWORD>(std::clamp<long long>(*around - 1LL, *first, *last));
        to = static_cast<DWORD>(std::clamp<long long>(*around + 1LL, *first, *last));
    }
    zone.firstYear = static_cast<int>(from);
    for (DWORD year = from; year <= to; ++year) {
        const auto rules = ReadRules(years.Get(), Widen(std::to_string(year)).c_str());
        if (!rules) {
            return false;
        }
        zone.years.push_back(*rules);
    }
    return true;
}

std::wstring SystemFolder() {
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(system, length) : std::wstring();
}

// RegLoadMUIStringW maps the zones' resource library anew for each name unless the process has it
// loaded already: under Wine that is most of the time a list of every zone takes (45 of 70 ms).
// Holding it loaded from the system folder while the list is read makes each name a look-up.
class HeldResourceLibrary {
  public:
    explicit HeldResourceLibrary(const std::wstring& systemFolder)
        : module_(systemFolder.empty() ? nullptr
                                       : LoadLibraryExW((systemFolder + L"\\tzres.dll").c_str(), nullptr, 0)) {}
    HeldResourceLibrary(const HeldResourceLibrary&) = delete;
    HeldResourceLibrary& operator=(const HeldResourceLibrary&) = delete;
    ~HeldResourceLibrary() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

  private:
    HMODULE module_;
};

// The name in the user's language, as the system's own zone lists show it; the plain "Display"
// value is in the language Windows was installed in, and the only name systems before Vista have.
std::wstring DisplayName(HKEY key, const std::wstring& systemFolder) {
    wchar_t text[kMaxDisplayName] = {};
    const DWORD room = sizeof(text) - sizeof(wchar_t);  // a zero stays at the end whatever comes
    DWORD bytes = 0;
    // The resource library is loaded from the system folder only, never found along the search path.
    if (!systemFolder.empty() &&
        RegLoadMUIStringW(key, L"MUI_Display", text, room, &bytes, 0, systemFolder.c_str()) == ERROR_SUCCESS &&
        text[0] != 0) {
        return text;
    }
    std::fill(std::begin(text), std::end(text), L'\0');
    bytes = room;
    if (!ReadValue(key, L"Display", REG_SZ, text, bytes)) {
        return {};
    }
    return text;
}

// Without a system folder, only the rules: the display name is left empty.
std::optional<TimeZoneRules> ReadZone(HKEY zones,
                                      const std::wstring& keyName,
                                      const std::wstring& systemFolder,
                                      std::optional<int> around = std::nullopt) {
    const UniqueRegistryKey key = OpenForReading(zones, keyName.c_str());
    if (!key) {
        return std::nullopt;
    }
    const auto rules = ReadRules(key.Get(), L"TZI");
    const bool named = !systemFolder.empty();
    const std::wstring displayName = named ? DisplayName(key.Get(), systemFolder) : std::wstring();
    if (!rules || (named && displayName.empty())) {
        return std::nullopt;
    }
    TimeZoneRules zone;
    zone.keyName = Narrow(keyName);
    zone.displayName = Narrow(displayName);
    zone.rules = *rules;
    if (!ReadRulesByYear(key.Get(), zone, around)) {
        return std::nullopt;
    }
    return zone;
}

std::vector<TimeZoneRules> ReadZones(std::optional<int> around) {
    std::vector<TimeZoneRules> result;
    const UniqueRegistryKey zones = OpenForReading(HKEY_LOCAL_MACHINE, kZonesKey);
    if (!zones) {
        return result;
    }
    const std::wstring systemFolder = SystemFolder();
    const HeldResourceLibrary resources(systemFolder);
    for (DWORD index = 0;; ++index) {
        wchar_t name[kMaxKeyName] = {};
        DWORD length = kMaxKeyName;
        const LONG status = RegEnumKeyExW(zones.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status != ERROR_SUCCESS) {
            continue;
        }
        if (auto zone = ReadZone(zones.Get(), std::wstring(name, length), systemFolder, around)) {
            result.push_back(std::move(*zone));
        }
    }
    // The registry gives its keys by name; Windows lists zones by their place on the globe.
    std::sort(result.begin(), result.end(), [](const TimeZoneRules& a, const TimeZoneRules& b) {
        return a.rules.bias != b.rules.bias ? a.rules.bias > b.rules.bias : a.displayName < b.displayName;
    });
    return result;
}

}  // namespace

std::vector<TimeZoneRules> ReadSystemTimeZones() {
    return ReadZones(std::nullopt);
}

std::vector<TimeZoneRules> ReadSystemTimeZonesAround(int year) {
    return ReadZones(year);
}

std::optional<TimeZoneRules> ReadSystemTimeZone(std::string_view keyName) {
    const UniqueRegistryKey zones = OpenForReading(HKEY_LOCAL_MACHINE, kZonesKey);
    if (!zones || keyName.empty()) {
        return std::nullopt;
    }
    return ReadZone(zones.Get(), Widen(keyName), {});
}

std::string LocalTimeZoneKeyName() {
    DYNAMIC_TIME_ZONE_INFORMATION local{};
    if (GetDynamicTimeZoneInformation(&local) == TIME_ZONE_ID_INVALID) {
        return {};
    }
    const std::size_t length = std::wstring_view(local.TimeZoneKeyName, std::size(local.TimeZoneKeyName)).find(L'\0');
    return Narrow(std::wstring_view(local.TimeZoneKeyName, length == std::wstring_view::npos ? 0 : length));
}

LocalDateTime UniversalNow() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const auto moment = LocalDateTime::FromParts(
        {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds});
    // The system clock never leaves the years 1601 to 30827; past 9999 is nothing a clock can show.
    return moment.value_or(LocalDateTime::FromMilliseconds(0).value());
}

}  // namespace orvanta::toolkit
