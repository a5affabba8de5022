#pragma once
// Which control gets the focus first, and where Tab and Shift+Tab move it.

#include <functional>
#include <optional>
#include <vector>

#include "app/portable/window_description.h"

namespace quorvane {

// Whether a control can take the focus right now (it exists, is visible and
// is enabled); the description supplies the rest of the rule.
using FocusAvailability = std::function<bool(std::size_t control_index)>;

// Labels and picture boxes never take the focus.
bool KindTakesFocus(ControlKind kind);

// The control with the lowest tab-order number among the available tab
// stops; among equal numbers the one latest in the description.
std::optional<std::size_t> InitialFocus(const WindowDescription& window,
                                        const FocusAvailability& available);

// The available tab stops in tab order: by tab-order number, and equal
// numbers in reverse description order.
std::vector<std::size_t> TabOrder(const WindowDescription& window,
                                  const FocusAvailability& available);

// The control after (or before) `current` in tab order, wrapping around;
// from a control outside the order, the first (or last) one.
std::optional<std::size_t> NextInTabOrder(const WindowDescription& window,
                                          const FocusAvailability& available,
                                          std::optional<std::size_t> current, bool forward);

}  // namespace quorvane
