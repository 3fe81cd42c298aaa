#include "forms/form_description.h"

namespace orvanta::forms {

int ControlIdOf(const FormDescription& form, std::string_view componentName) {
    for (std::size_t i = 0; i < form.components.size(); ++i) {
        if (form.components[i].name == componentName) {
            return kFirstControlId + static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace orvanta::forms
