// win_inspect: looks at another program's windows the way a person checks
// them, for the end-to-end tests. Runs under the same Wine prefix and
// wineserver as the program. One job per command; prints key=value lines
// (UTF-8, with \n, \r and \\ escaped) and exits 0, or exits 1 when the thing
// asked for is not there (so callers can poll), 2 on bad use.
//
//   win_inspect window TITLE      the top-level window titled TITLE
//   win_inspect focus TITLE       the control holding its thread's focus
//   win_inspect text TITLE ID     the text of the control with child id ID
//   win_inspect cwd TITLE         the working directory of its process
//   win_inspect msgbox            every message box shown: caption, texts, buttons
//   win_inspect press-ok          presses OK of the message box
//   win_inspect btnface           the button-face colour as #RRGGBB

#include <windows.h>
#include <shellapi.h>
#include <winternl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/handles.h"

namespace quorvane {
namespace {

constexpr int kFound = 0;
constexpr int kNotFound = 1;
constexpr int kBadUse = 2;
constexpr UINT kReplyTimeoutMs = 2000;

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// Output goes out as raw bytes, so no C runtime or console code page
// reinterprets the UTF-8.
void Print(const std::string& key, const std::string& value) {
  std::string line = key + "=";
  for (char c : value) {
    if (c == '\n') line += "\\n";
    else if (c == '\r') line += "\\r";
    else if (c == '\\') line += "\\\\";
    else line += c;
  }
  line += "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
            nullptr);
}

void PrintRect(const std::string& key, const RECT& r) {
  Print(key, std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                 "," + std::to_string(r.bottom));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// For a window of another process this reads the text the system keeps,
// without a message, so it answers even while that program is busy.
std::wstring TitleOf(HWND window) {
  wchar_t title[512] = {};
  GetWindowTextW(window, title, 512);
  return title;
}

// A control's own text needs WM_GETTEXT; it times out while its thread is
// blocked instead of hanging the caller.
bool ControlText(HWND control, std::wstring& text) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &length))
    return false;
  std::wstring buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kReplyTimeoutMs, &copied))
    return false;
  buffer.resize(copied);
  text = buffer;
  return true;
}

const wchar_t kDialogClass[] = L"#32770";

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// A message box may carry the program's title too, so dialogs never count.
HWND FindProgramWindow(const std::wstring& title) {
  for (HWND window : TopLevelWindows())
    if (IsWindowVisible(window) && ClassOf(window) != kDialogClass && TitleOf(window) == title)
      return window;
  return nullptr;
}

std::vector<HWND> MessageBoxes() {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindows())
    if (IsWindowVisible(window) && ClassOf(window) == kDialogClass) boxes.push_back(window);
  return boxes;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

int ShowWindowFacts(const std::wstring& title) {
  HWND window = FindProgramWindow(title);
  if (!window) return kNotFound;
  DWORD pid = 0;
  const DWORD tid = GetWindowThreadProcessId(window, &pid);
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Print("hwnd", std::to_string(reinterpret_cast<UINT_PTR>(window)));
  Print("pid", std::to_string(pid));
  Print("tid", std::to_string(tid));
  Print("class", ToUtf8(ClassOf(window)));
  PrintRect("rect", outer);
  PrintRect("client", RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
  Print("enabled", IsWindowEnabled(window) ? "1" : "0");
  Print("foreground", GetForegroundWindow() == window ? "1" : "0");
  return kFound;
}

int ShowFocus(const std::wstring& title) {
  HWND window = FindProgramWindow(title);
  if (!window) return kNotFound;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return kNotFound;
  Print("active", info.hwndActive == window ? "main" : (info.hwndActive ? "other" : "none"));
  if (!info.hwndFocus) {
    Print("id", "none");
    return kFound;
  }
  Print("id", info.hwndFocus == window
                  ? "window"
                  : std::to_string(GetWindowLongPtrW(info.hwndFocus, GWLP_ID)));
  Print("class", ToUtf8(ClassOf(info.hwndFocus)));
  return kFound;
}

int ShowControlText(const std::wstring& title, int child_id) {
  HWND window = FindProgramWindow(title);
  if (!window) return kNotFound;
  HWND control = GetDlgItem(window, child_id);
  if (!control) return kNotFound;
  std::wstring text;
  if (!ControlText(control, text)) return kNotFound;
  Print("text", ToUtf8(text));
  return kFound;
}

// Windows keeps a process's working directory in its parameter block, which
// SetCurrentDirectory updates; the head of that block up to CurrentDirectory
// has the same layout in 32-bit and 64-bit processes of the inspector's own
// width.
struct ParametersHead {
  ULONG maximum_length, length, flags, debug_flags;
  HANDLE console_handle;
  ULONG console_flags;
  HANDLE standard_input, standard_output, standard_error;
  UNICODE_STRING current_directory;
};

template <typename T>
bool ReadRemote(HANDLE process, const void* address, T& value) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, address, &value, sizeof value, &read) && read == sizeof value;
}

int ShowWorkingDirectory(const std::wstring& title) {
  HWND window = FindProgramWindow(title);
  if (!window) return kNotFound;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
  if (!process) return kNotFound;
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process.get(), ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0)
    return kNotFound;
  PEB peb{};
  ParametersHead head{};
  if (!ReadRemote(process.get(), basic.PebBaseAddress, peb) ||
      !ReadRemote(process.get(), peb.ProcessParameters, head))
    return kNotFound;
  std::wstring path(head.current_directory.Length / sizeof(wchar_t), L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.get(), head.current_directory.Buffer, path.data(),
                         head.current_directory.Length, &read) ||
      read != head.current_directory.Length)
    return kNotFound;
  Print("cwd", ToUtf8(path));
  return kFound;
}

int ShowMessageBoxes() {
  const std::vector<HWND> boxes = MessageBoxes();
  if (boxes.empty()) return kNotFound;
  for (HWND box : boxes) {
    DWORD pid = 0;
    GetWindowThreadProcessId(box, &pid);
    Print("box", std::to_string(reinterpret_cast<UINT_PTR>(box)));
    Print("pid", std::to_string(pid));
    Print("caption", ToUtf8(TitleOf(box)));
    RECT r{};
    GetWindowRect(box, &r);
    PrintRect("rect", r);
    for (HWND child : ChildrenOf(box)) {
      if (!IsWindowVisible(child)) continue;
      const std::wstring kind = ClassOf(child);
      std::wstring text;
      if (!ControlText(child, text)) continue;
      if (lstrcmpiW(kind.c_str(), L"Static") == 0 && !text.empty()) {
        Print("static", ToUtf8(text));
      } else if (lstrcmpiW(kind.c_str(), L"Button") == 0) {
        Print("button", ToUtf8(text));
        Print("button_id", std::to_string(GetWindowLongPtrW(child, GWLP_ID)));
        GetWindowRect(child, &r);
        PrintRect("button_rect", r);
      }
    }
  }
  return kFound;
}

int PressOk() {
  for (HWND box : MessageBoxes()) {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) continue;
    PostMessageW(ok, BM_CLICK, 0, 0);
    return kFound;
  }
  return kNotFound;
}

int ShowButtonFace() {
  const COLORREF colour = GetSysColor(COLOR_BTNFACE);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  Print("btnface", text);
  return kFound;
}

// Arguments are taken from the wide command line: the narrow argv is in the
// ANSI code page and would lose a title outside it.
int Run(const std::vector<std::wstring>& args) {
  const size_t argc = args.size();
  const std::wstring command = argc > 1 ? args[1] : L"";
  if (argc == 3 && command == L"window") return ShowWindowFacts(args[2]);
  if (argc == 3 && command == L"focus") return ShowFocus(args[2]);
  if (argc == 4 && command == L"text") return ShowControlText(args[2], _wtoi(args[3].c_str()));
  if (argc == 3 && command == L"cwd") return ShowWorkingDirectory(args[2]);
  if (argc == 2 && command == L"msgbox") return ShowMessageBoxes();
  if (argc == 2 && command == L"press-ok") return PressOk();
  if (argc == 2 && command == L"btnface") return ShowButtonFace();
  std::fputs("usage: win_inspect window|focus|cwd TITLE | text TITLE ID | msgbox | press-ok | btnface\n",
             stderr);
  return kBadUse;
}

}  // namespace
}  // namespace quorvane

int main() {
  int argc = 0;
  const std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(
      CommandLineToArgvW(GetCommandLineW(), &argc), &LocalFree);
  if (!argv) return 2;
  return quorvane::Run(std::vector<std::wstring>(argv.get(), argv.get() + argc));
}
