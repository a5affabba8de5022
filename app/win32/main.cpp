#include <windows.h>

#include "app/win32/runtime_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxW(nullptr, L"Quorvane", L"Quorvane", MB_OK);
  return 0;
}
