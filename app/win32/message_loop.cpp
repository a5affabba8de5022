#include "app/win32/message_loop.h"

#include "app/win32/application.h"
#include "app/win32/loaded_window.h"

namespace quorvane {
namespace {

// A message some frameworks post to wake their idle processing; it carries
// nothing for this program and is never dispatched.
constexpr UINT kIdleKickMessage = 0x036A;

void Deliver(const MSG& message) {
  if (message.message == kIdleKickMessage) return;
  if (PreTranslateMessage(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

bool PreTranslateMessage(const MSG& message) {
  for (WindowRecord& record : Application().windows) {
    LoadedWindow* window = record.loaded.get();
    if (!window || !window->window()) continue;
    if (message.hwnd == window->window() || IsChild(window->window(), message.hwnd)) {
      return window->PreTranslate(message);
    }
  }
  return false;
}

void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) break;
    Deliver(message);
  }
}

int RunMessageLoop() {
  ApplicationState& application = Application();
  application.loop_running = true;
  if (!AnyWindowLoaded()) return 0;
  // Idle work has nothing to update here and the idle event is not bound,
  // so between messages the thread simply sleeps in GetMessage.
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 0;
    Deliver(message);
  }
}

}  // namespace quorvane
