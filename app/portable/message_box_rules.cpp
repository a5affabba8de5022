#include "app/portable/message_box_rules.h"

namespace quorvane {

std::uint32_t MessageBoxType(std::uint32_t buttons) {
  return (buttons & kMessageBoxSystemModal) ? buttons : buttons | kMessageBoxTaskModal;
}

std::int32_t MessageBoxChoice(int message_box_result) {
  // The system numbers its answers IDOK = 1 to IDNO = 7 in this order.
  return message_box_result >= 1 && message_box_result <= 7 ? message_box_result - 1 : 0;
}

}  // namespace quorvane
