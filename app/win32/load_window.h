#pragma once
#include "app/portable/window_description.h"

namespace quorvane {

// Creates and shows a window and its controls from its description. A
// window that cannot be made ends the process with the run-time error
// report; this does not return then.
void LoadWindow(const WindowDescription& description);

}  // namespace quorvane
