#include "app/win32/runtime_error.h"

#include <windows.h>

#include "app/portable/runtime_report.h"
#include "app/portable/texts.h"
#include "app/win32/application.h"
#include "app/win32/loaded_window.h"
#include "app/win32/wide_text.h"

namespace quorvane {
namespace {

ErrorLocation Locate(std::int32_t window, std::int32_t control) {
  ErrorLocation location{window, control};
  if (const LoadedWindow* loaded = FindLoadedWindow(window)) {
    location.window_loaded = true;
    location.control_found = loaded->FindControl(control) != nullptr;
  }
  return location;
}

}  // namespace

void ReportRuntimeError(std::string_view message, std::int32_t code, std::int32_t window, std::int32_t control) {
  ++Application().event_hold_count;  // from here on no handler runs
  const std::string report = BuildReportText(message, code, Locate(window, control));
  const std::wstring text = WideFromCp936(report);
  const std::wstring caption = WideFromCp936(kTexts.ErrorCaption);
  // No owner and not task-modal: the window stays enabled, but nothing runs.
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONHAND);
  CleanUpApplication();
  // ExitProcess skips the static tear-down.
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace quorvane
