#pragma once
// Helpers for in-process tests of real windows under Wine: pumping the
// message queue through the program's own pre-translation, real input, and
// reading back painted pixels.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvane::testing {

// Delivers queued messages the way the program's loop does, until the queue
// has been quiet for `quiet_ms`.
void Pump(int quiet_ms = 150);
// Pumps until `done` holds or `timeout_ms` passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 3000);

// Real keyboard and mouse input through SendInput.
void PressKey(WORD key, std::initializer_list<WORD> held = {});
void ClickAt(POINT screen, bool double_click = false);
POINT ScreenPointOf(HWND window, int client_x, int client_y);

// The colour of one client-area pixel as the window shows it now.
COLORREF PixelAt(HWND window, int client_x, int client_y);

std::wstring TextOf(HWND window);
// The code page 936 bytes of a UTF-8 literal, so tests can spell texts the
// way people read them.
std::string Cp936(const char8_t* utf8);
std::wstring Wide(const char8_t* utf8);

// The first visible message box (#32770) of a process, or null.
HWND FindMessageBox(DWORD process_id);
// The texts of a message box's static controls, in child order.
std::vector<std::wstring> MessageBoxTexts(HWND box);

}  // namespace quorvane::testing
