#include "appearance/factory_defaults.h"

#include "core/message_lines.h"

namespace orvanta {

std::string RestoreFactoryDefaultsQuestion() {
    return JoinMessageLines({
        "The settings file will be deleted, and the window's place and size,",
        "the current location's caption and every option will go back to their defaults.",
        "Your list of other locations will be kept.",
        "",
        "Do you want to restore the factory defaults ?",
    });
}

}  // namespace orvanta
