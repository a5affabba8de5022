#pragma once
// Events: a signed number and up to five 32-bit arguments; a handler returns
// no value or one value, and the two are different outcomes (a returned 0
// vetoes an input event's default processing, no value does not).

#include <cstdint>
#include <optional>
#include <span>

namespace quorvane {

namespace event {
inline constexpr std::int32_t kClick = 0;
inline constexpr std::int32_t kDoubleClick = -3;
}  // namespace event

using HandlerResult = std::optional<std::int32_t>;
using Handler = HandlerResult (*)(std::span<const std::int32_t> arguments);

// What the raiser of an event learns.
struct EventOutcome {
  bool handler_called = false;
  HandlerResult value;

  // A returned 0 keeps the message from the control.
  bool vetoed() const { return handler_called && value == 0; }
};

// Arguments of DoubleClick: x and y are the low and high 16 bits of the
// message's lParam taken unsigned; the key state has bit 0 for Ctrl, bit 1
// for Shift and bit 2 for Alt.
struct PointerArguments {
  std::int32_t x, y, key_state;
};
PointerArguments DecodePointerArguments(std::uint32_t lparam, bool ctrl, bool shift, bool alt);

}  // namespace quorvane
