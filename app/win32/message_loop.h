#pragma once
#include <windows.h>

namespace quorvane {

// Runs until WM_QUIT and returns its exit code; returns at once when no
// window is loaded.
int RunMessageLoop();
// Dispatches what waits in the queue now, up to a WM_QUIT, which stays.
void DispatchPendingMessages();
// Offers a message to the loaded window it is for; true when consumed.
bool PreTranslateMessage(const MSG& message);

}  // namespace quorvane
