#include "form_types/form_description.h"

namespace orvanta::forms {

int ControlIdOf(const FormDescription& form, std::string_view componentName) {
    for (std::size_t i = 0; i < form.components.size(); ++i) {
        if (form.components[i].name == componentName) {
            return kFirstControlId + static_cast<int>(i);
        }
    }
    return -1;
}

namespace {

bool NumberEntries(std::span<const MenuItemDescription> items, std::string_view name, int& next) {
    for (const auto& item : items) {
        if (item.name == name) {
            return true;
        }
        ++next;
        if (NumberEntries(item.items, name, next)) {
            return true;
        }
    }
    return false;
}

}  // namespace

int MainMenuCommandIdOf(const FormDescription& form, std::string_view entryName) {
    int next = kFirstMainMenuCommandId;
    return NumberEntries(form.mainMenu, entryName, next) ? next : -1;
}

}  // namespace orvanta::forms
