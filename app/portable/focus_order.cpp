#include "app/portable/focus_order.h"

#include <algorithm>

namespace quorvane {
namespace {

bool IsCandidate(const WindowDescription& window, const FocusAvailability& available,
                 std::size_t index) {
  const ControlDescription& control = window.controls[index];
  return control.tab_stop && KindTakesFocus(control.kind) && available(index);
}

}  // namespace

bool KindTakesFocus(ControlKind kind) {
  return kind == ControlKind::kEditBox || kind == ControlKind::kButton;
}

std::optional<std::size_t> InitialFocus(const WindowDescription& window,
                                        const FocusAvailability& available) {
  std::optional<std::size_t> choice;
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (!IsCandidate(window, available, i)) continue;
    if (!choice || window.controls[i].tab_order < window.controls[*choice].tab_order) choice = i;
  }
  return choice;
}

std::vector<std::size_t> TabOrder(const WindowDescription& window,
                                  const FocusAvailability& available) {
  std::vector<std::size_t> order;
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (IsCandidate(window, available, i)) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return window.controls[a].tab_order < window.controls[b].tab_order;
  });
  return order;
}

std::optional<std::size_t> NextInTabOrder(const WindowDescription& window,
                                          const FocusAvailability& available,
                                          std::optional<std::size_t> current, bool forward) {
  const std::vector<std::size_t> order = TabOrder(window, available);
  if (order.empty()) return std::nullopt;
  const auto at = current ? std::find(order.begin(), order.end(), *current) : order.end();
  if (at == order.end()) return forward ? order.front() : order.back();
  const std::size_t position = static_cast<std::size_t>(at - order.begin());
  const std::size_t next = forward ? (position + 1) % order.size()
                                   : (position + order.size() - 1) % order.size();
  return order[next];
}

}  // namespace quorvane
