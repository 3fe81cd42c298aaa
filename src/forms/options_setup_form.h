#pragma once

#include "form_types/form_description.h"

namespace orvanta::forms {

// The settings dialog: three tab pages whose controls hold the locations, the current location
// caption and the display switches for the whole run.
const FormDescription& Options_SetupDescription();

}  // namespace orvanta::forms
