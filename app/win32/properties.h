#pragma once
// Reading and writing a control's properties by window, control and
// property number. Texts and byte buffers that are read come back as new
// blocks owned by the caller; a value that is written stays the caller's.

#include <cstdint>
#include <variant>

#include "app/portable/block.h"

namespace quorvane {

using PropertyValue = std::variant<Text, Block>;

PropertyValue GetProperty(std::int32_t window, std::int32_t control, int property, int element = -1);
void SetProperty(std::int32_t window, std::int32_t control, int property, int element,
                 const PropertyValue& value);

}  // namespace quorvane
