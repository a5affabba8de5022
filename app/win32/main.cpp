// Quorvane: type a Velmo product identifier, press 转换二维码, scan the QR
// code that takes the shop's app straight to the checkout page.
#include <windows.h>

#include "app/portable/window_description.h"
#include "app/win32/application.h"
#include "app/win32/conversion_handlers.h"
#include "app/win32/load_window.h"
#include "app/win32/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quorvane;
  const WindowDescription* const descriptions[] = {&kMainWindow};
  InitializeApplication(descriptions, ResolveConversionHandler);
  LoadWindow(kMainWindow);
  const int exit_code = RunMessageLoop();
  CleanUpApplication();
  return exit_code;
}
