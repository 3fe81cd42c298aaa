#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/location_entry.h"
#include "core/settings_flags.h"

namespace orvanta {

// Everything the settings file holds and the windows show. A fresh value is the factory settings:
// what a first run shows and writes, and what a missing or unreadable value reads as.
struct Settings {
    // The window's place and client size in 96-DPI units, as the file keeps them.
    int windowTop = 200;
    int windowLeft = 200;
    int clientWidth = 240;
    int clientHeight = 87;
    std::string currentLocationCaption = "Here :";
    std::vector<std::string> locations;  // "<description>:<offset>", at most kMaxOtherLocations
    // One per entry: the key name of the Windows time zone whose clock the place follows
    // ("Tokyo Standard Time"), or "" for a place at a fixed offset from the local clock.
    std::vector<std::string> zones;
    std::array<bool, kSettingsFlagCount> flags{};
    // The settings dialog opens where the user left it; the file does not keep it.
    int settingsPage = 0;

    bool Flag(SettingsFlag flag) const { return flags[static_cast<std::size_t>(flag)]; }
    // "" for a fixed offset, also where the zones fall short of the entries.
    const std::string& ZoneOf(std::size_t index) const {
        static const std::string kFixedOffset;
        return index < zones.size() ? zones[index] : kFixedOffset;
    }
    void SetFlag(SettingsFlag flag, bool set) { flags[static_cast<std::size_t>(flag)] = set; }
};

// What a change touched, so that a view redoes only what depends on it.
enum class SettingsChange { Everything, Caption, Locations, Flag, WindowGeometry, SettingsPage };

// The program's one store of its settings. Windows show it and put every edit into it at once;
// whoever shows a part of it hears of each change that touched that part.
class SettingsModel {
  public:
    using Listener = std::function<void(SettingsChange change, SettingsFlag flag)>;

    SettingsModel() = default;
    explicit SettingsModel(Settings settings) { Replace(std::move(settings)); }
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    const Settings& Get() const { return settings_; }
    bool Flag(SettingsFlag flag) const { return settings_.Flag(flag); }
    const std::vector<std::string>& Locations() const { return settings_.locations; }
    // As many as the entries, always.
    const std::vector<std::string>& Zones() const { return settings_.zones; }
    const std::string& CurrentLocationCaption() const { return settings_.currentLocationCaption; }
    bool LocationsFull() const { return settings_.locations.size() >= static_cast<std::size_t>(kMaxOtherLocations); }

    // Every value at once, as reading the file or a factory reset gives them.
    void Replace(Settings settings);
    void SetCurrentLocationCaption(std::string caption);
    // False, and nothing changes, when the list is full. `zone` as in Settings::zones.
    bool AddLocation(std::string entry, std::string zone = {});
    // Nothing changes for an index outside the list.
    void RemoveLocation(std::size_t index);
    void SetFlag(SettingsFlag flag, bool set);
    void SetWindowGeometry(int top, int left, int clientWidth, int clientHeight);
    void SetSettingsPage(int page);

    // Listeners are told after the change, in the order they subscribed; the token ends it.
    int Subscribe(Listener listener);
    void Unsubscribe(int token);

  private:
    void Announce(SettingsChange change, SettingsFlag flag = SettingsFlag::MenusOff) const;

    Settings settings_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextToken_ = 1;
};

// Keeps a subscription for as long as the view that made it lives.
class SettingsSubscription {
  public:
    SettingsSubscription(SettingsModel& model, SettingsModel::Listener listener)
        : model_(model), token_(model.Subscribe(std::move(listener))) {}
    SettingsSubscription(const SettingsSubscription&) = delete;
    SettingsSubscription& operator=(const SettingsSubscription&) = delete;
    ~SettingsSubscription() { model_.Unsubscribe(token_); }

  private:
    SettingsModel& model_;
    int token_;
};

}  // namespace orvanta
