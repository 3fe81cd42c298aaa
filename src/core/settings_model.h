#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/place.h"
#include "core/settings_flags.h"
#include "core/working_hours.h"

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
    std::vector<Place> places;  // at most kMaxOtherLocations
    std::array<bool, kSettingsFlagCount> flags{};
    // The settings dialog opens where the user left it; the file does not keep it.
    int settingsPage = 0;
    WorkingHours workingHours;  // always Valid()

    bool Flag(SettingsFlag flag) const { return flags[static_cast<std::size_t>(flag)]; }
    void SetFlag(SettingsFlag flag, bool set) { flags[static_cast<std::size_t>(flag)] = set; }
};

// What a change touched, so that a view redoes only what depends on it.
enum class SettingsChange { Everything, Caption, Places, Flag, WindowGeometry, SettingsPage, WorkingHours };

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
    const std::vector<Place>& Places() const { return settings_.places; }
    const std::string& CurrentLocationCaption() const { return settings_.currentLocationCaption; }
    bool PlacesFull() const { return settings_.places.size() >= static_cast<std::size_t>(kMaxOtherLocations); }

    // Every value at once, as reading the file or a factory reset gives them.
    void Replace(Settings settings);
    void SetCurrentLocationCaption(std::string caption);
    // False, and nothing changes, when the list is full.
    bool AddPlace(Place place);
    // Nothing changes for an index outside the list.
    void RemovePlace(std::size_t index);
    void SetFlag(SettingsFlag flag, bool set);
    void SetWindowGeometry(int top, int left, int clientWidth, int clientHeight);
    void SetSettingsPage(int page);
    // Nothing changes for working hours that are not Valid().
    void SetWorkingHours(WorkingHours hours);

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
