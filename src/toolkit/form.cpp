// The form and its parts by name: components, menu entries, timers, caption.

#include "toolkit/form.h"

#include <stdexcept>

#include "toolkit/win_system_preferences.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

Form::Form(const forms::FormDescription& description)
    : description_(description), preferences_(&WindowsPreferences()) {}

Form::~Form() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

Control& Form::Component(std::string_view name) const {
    if (Control* control = FindComponent(name)) {
        return *control;
    }
    throw std::out_of_range(std::string(description_.name) + " has no component named " + std::string(name));
}

Control* Form::FindComponent(std::string_view name) const {
    for (const auto& control : components_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Form::ControlById(int id) const {
    const int index = id - forms::kFirstControlId;
    if (index < 0 || index >= static_cast<int>(components_.size())) {
        return nullptr;
    }
    return components_[static_cast<std::size_t>(index)].get();
}

Control* Form::DefaultButton() const {
    for (const auto& control : components_) {
        if (control->Description().isDefault) {
            return control.get();
        }
    }
    return nullptr;
}

void Form::BindComponents(std::initializer_list<ComponentBinding> bindings,
                          std::initializer_list<MenuEntryBinding> menuEntries) {
    for (const auto& binding : bindings) {
        *binding.member = &Component(binding.name);
    }
    for (const auto& binding : menuEntries) {
        *binding.member = &MenuEntry(binding.name);
    }
}

MenuItem& Form::MenuEntry(std::string_view name) const {
    for (const Menu* menu : {mainMenu_.get(), popupMenu_.get()}) {
        if (menu != nullptr) {
            if (MenuItem* item = menu->Find(name)) {
                return *item;
            }
        }
    }
    throw std::out_of_range(std::string(description_.name) + " has no menu entry named " + std::string(name));
}

Timer& Form::TimerNamed(std::string_view name) const {
    for (const auto& timer : timers_) {
        if (timer->Name() == name) {
            return *timer;
        }
    }
    throw std::out_of_range(std::string(description_.name) + " has no timer named " + std::string(name));
}

std::string Form::Caption() const {
    return WindowText(window_);
}

void Form::SetCaption(std::string_view caption) {
    SetWindowTextW(window_, Widen(caption).c_str());
}

}  // namespace orvanta::toolkit
