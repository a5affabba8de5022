#include "tests/windows/support/window_test_support.h"

#include <chrono>
#include <thread>

#include "app/win32/message_loop.h"

namespace quorvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

bool DeliverOne() {
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) return true;  // keep going; tests look at windows, not the loop
  if (!PreTranslateMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

void Pump(int quiet_ms) {
  auto quiet_since = Clock::now();
  while (Clock::now() - quiet_since < std::chrono::milliseconds(quiet_ms)) {
    if (DeliverOne()) {
      quiet_since = Clock::now();
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
}

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done() && Clock::now() < deadline) {
    if (!DeliverOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return done();
}

void PressKey(WORD key, std::initializer_list<WORD> held) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD modifier : held) add(modifier, false);
  add(key, false);
  add(key, true);
  for (auto it = held.end(); it != held.begin();) add(*--it, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump();
}

POINT ScreenPointOf(HWND window, int client_x, int client_y) {
  POINT point{client_x, client_y};
  ClientToScreen(window, &point);
  return point;
}

void ClickAt(POINT screen, bool double_click) {
  // A click soon after an earlier one nearby would pair with it.
  Sleep(GetDoubleClickTime() + 50);
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = static_cast<LONG>(screen.x * 65535 / width);
  move.mi.dy = static_cast<LONG>(screen.y * 65535 / height);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Wine also moves the X pointer; wait until the system agrees where it is,
  // or the clicks could land where the pointer was before.
  PumpUntil([&] {
    SendInput(1, &move, sizeof move);
    Pump(30);
    POINT now{};
    GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
  }, 2000);
  for (int click = 0; click < (double_click ? 2 : 1); ++click) {
    INPUT press[2] = {move, move};
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(2, press, sizeof(INPUT));
    Pump(30);
  }
  Pump();
}

COLORREF PixelAt(HWND window, int client_x, int client_y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, client_x, client_y);
  ReleaseDC(window, dc);
  return colour;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring Wide(const char8_t* utf8) {
  const auto* bytes = reinterpret_cast<const char*>(utf8);
  const int length = MultiByteToWideChar(CP_UTF8, 0, bytes, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

std::string Cp936(const char8_t* utf8) {
  const std::wstring wide = Wide(utf8);
  const int length = WideCharToMultiByte(936, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(936, 0, wide.c_str(), -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(length - 1));
  return bytes;
}

HWND FindMessageBox(DWORD process_id) {
  struct Search {
    DWORD process_id;
    HWND found;
  } search{process_id, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        DWORD owner_process = 0;
        GetWindowThreadProcessId(window, &owner_process);
        if (owner_process == s->process_id && std::wstring(class_name) == L"#32770" && IsWindowVisible(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> MessageBoxTexts(HWND box) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t class_name[16] = {};
    GetClassNameW(child, class_name, 16);
    if (std::wstring(class_name) == L"Static") {
      std::wstring text = TextOf(child);
      if (!text.empty()) texts.push_back(text);
    }
  }
  return texts;
}

}  // namespace quorvane::testing
