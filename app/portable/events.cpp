#include "app/portable/events.h"

namespace quorvane {

PointerArguments DecodePointerArguments(std::uint32_t lparam, bool ctrl, bool shift, bool alt) {
  return {static_cast<std::int32_t>(lparam & 0xFFFF), static_cast<std::int32_t>(lparam >> 16),
          (ctrl ? 1 : 0) | (shift ? 2 : 0) | (alt ? 4 : 0)};
}

}  // namespace quorvane
