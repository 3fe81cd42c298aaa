#include "core/settings_model.h"

#include <algorithm>
#include <utility>

namespace orvanta {

void SettingsModel::Replace(Settings settings) {
    if (settings.locations.size() > static_cast<std::size_t>(kMaxOtherLocations)) {
        settings.locations.resize(kMaxOtherLocations);
    }
    // Each entry has its zone, so a removal or an addition can never pair a place with another's.
    settings.zones.resize(settings.locations.size());
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

bool SettingsModel::AddLocation(std::string entry, std::string zone) {
    if (LocationsFull()) {
        return false;
    }
    settings_.locations.push_back(std::move(entry));
    settings_.zones.push_back(std::move(zone));
    Announce(SettingsChange::Locations);
    return true;
}

void SettingsModel::RemoveLocation(std::size_t index) {
    if (index >= settings_.locations.size()) {
        return;
    }
    settings_.locations.erase(settings_.locations.begin() + static_cast<std::ptrdiff_t>(index));
    settings_.zones.erase(settings_.zones.begin() + static_cast<std::ptrdiff_t>(index));
    Announce(SettingsChange::Locations);
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
