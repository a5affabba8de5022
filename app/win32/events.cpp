#include "app/win32/events.h"

#include "app/portable/texts.h"
#include "app/win32/application.h"
#include "app/win32/loaded_window.h"
#include "app/win32/runtime_error.h"

namespace quorvane {
namespace {

Handler FindHandler(const std::vector<std::pair<std::int32_t, Handler>>& bindings, std::int32_t event) {
  for (const auto& [bound_event, handler] : bindings) {
    if (bound_event == event) return handler;
  }
  return nullptr;
}

}  // namespace

EventOutcome RaiseEvent(std::int32_t window, std::int32_t control, std::int32_t event,
                        std::span<const std::int32_t> arguments) {
  if (Application().event_hold_count >= 1) return {};
  WindowRecord* record = FindWindowRecord(window);
  if (!record || !FindLoadedWindow(window)) ReportRuntimeError(kTexts.EventWindowNotFound, 0, window, control);

  Handler handler = nullptr;
  if (control == 0) {
    handler = FindHandler(record->window_bindings, event);
  } else {
    const auto& controls = record->description->controls;
    std::size_t index = 0;
    while (index < controls.size() && controls[index].id != control) ++index;
    if (index == controls.size()) ReportRuntimeError(kTexts.EventControlNotFound, 0, window, control);
    handler = FindHandler(record->control_bindings[index], event);
  }
  if (!handler) return {};
  return {true, handler(arguments)};
}

}  // namespace quorvane
