#pragma once
#include <cstdint>
#include <span>

#include "app/portable/events.h"

namespace quorvane {

// Calls the handler bound to an event of a control (control 0: the window
// itself) of a loaded window. While events are held no handler runs.
EventOutcome RaiseEvent(std::int32_t window, std::int32_t control, std::int32_t event,
                        std::span<const std::int32_t> arguments);

}  // namespace quorvane
