#include "core/settings_model.h"

#include <algorithm>
#include <utility>

namespace orvanta {

void SettingsModel::Replace(Settings settings) {
    if (settings.places.size() > static_cast<std::size_t>(kMaxOtherLocations)) {
        settings.places.resize(kMaxOtherLocations);
    }
    if (!settings.workingHours.Valid()) {
        settings.workingHours = {};
    }
    settings_ = std::move(settings);
    Announce(SettingsChange::Everything);
}

void SettingsModel::SetCurrentLocationCaption(std::string caption) {
    if (caption == settings_.currentLocationCaption) {
        return;
    }
    settings_.currentLocationCaption = std::move(caption);
    Announce(SettingsChange::Caption);
}

bool SettingsModel::AddPlace(Place place) {
    if (PlacesFull()) {
        return false;
    }
    settings_.places.push_back(std::move(place));
    Announce(SettingsChange::Places);
    return true;
}

void SettingsModel::RemovePlace(std::size_t index) {
    if (index >= settings_.places.size()) {
        return;
    }
    settings_.places.erase(settings_.places.begin() + static_cast<std::ptrdiff_t>(index));
    Announce(SettingsChange::Places);
}

void SettingsModel::SetFlag(SettingsFlag flag, bool set) {
    if (settings_.Flag(flag) == set) {
        return;
    }
    settings_.SetFlag(flag, set);
    Announce(SettingsChange::Flag, flag);
}

void SettingsModel::SetWindowGeometry(int top, int left, int clientWidth, int clientHeight) {
    settings_.windowTop = top;
    settings_.windowLeft = left;
    settings_.clientWidth = clientWidth;
    settings_.clientHeight = clientHeight;
    Announce(SettingsChange::WindowGeometry);
}

void SettingsModel::SetSettingsPage(int page) {
    settings_.settingsPage = page;
    Announce(SettingsChange::SettingsPage);
}

void SettingsModel::SetWorkingHours(WorkingHours hours) {
    if (!hours.Valid() || hours == settings_.workingHours) {
        return;
    }
    settings_.workingHours = hours;
    Announce(SettingsChange::WorkingHours);
}

int SettingsModel::Subscribe(Listener listener) {
    listeners_.emplace_back(nextToken_, std::move(listener));
    return nextToken_++;
}

void SettingsModel::Unsubscribe(int token) {
    std::erase_if(listeners_, [token](const auto& entry) { return entry.first == token; });
}

void SettingsModel::Announce(SettingsChange change, SettingsFlag flag) const {
    // A listener may subscribe or leave while it is told: tell a copy.
    const auto listeners = listeners_;
    for (const auto& [token, listener] : listeners) {
        listener(change, flag);
    }
}

}  // namespace orvanta
