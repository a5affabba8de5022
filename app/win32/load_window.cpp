#include "app/win32/load_window.h"

#include "app/portable/texts.h"
#include "app/win32/application.h"
#include "app/win32/loaded_window.h"
#include "app/win32/message_loop.h"
#include "app/win32/runtime_error.h"

namespace quorvane {

void LoadWindow(const WindowDescription& description) {
  ApplicationState& application = Application();
  WindowRecord* record = FindWindowRecord(description.id);
  if (!record) ReportRuntimeError(kTexts.TemplateDataDamaged, 0, description.id, 0);

  // No event reaches a handler while the window is half made.
  DispatchPendingMessages();
  ++application.event_hold_count;
  record->loaded = LoadedWindow::Create(*record);
  if (!record->loaded) ReportRuntimeError(kTexts.StartupWindowFailed, 0, description.id, 0);
  record->loaded->ShowControls();
  DispatchPendingMessages();
  --application.event_hold_count;

  if (description.visible) record->loaded->Show();
}

}  // namespace quorvane
