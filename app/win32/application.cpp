#include "app/win32/application.h"

#include <ole2.h>

#include "app/portable/program_path.h"
#include "app/win32/loaded_window.h"
#include "app/win32/window_class.h"

namespace quorvane {
namespace {

constexpr wchar_t kHiddenOwnerClass[] = L"QuorvaneHiddenOwner";

void SetErrorModeBits() {
  const UINT current = SetErrorMode(0);
  SetErrorMode(current | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void FindProgramPath(ApplicationState& state) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  const ProgramPath split = SplitProgramPath(std::string_view(path, length < sizeof path ? length : 0),
                                             [](unsigned char byte) { return IsDBCSLeadByte(byte) != 0; });
  state.program_directory = split.directory;
  state.program_file_name = split.file_name;
}

UniqueWindow CreateHiddenOwner() {
  RegisterWindowClassOnce(kHiddenOwnerClass, DefWindowProcW, 0, false);
  return UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

std::vector<std::pair<std::int32_t, Handler>> Resolve(std::span<const EventBinding> bindings,
                                                      const HandlerResolver& resolve) {
  std::vector<std::pair<std::int32_t, Handler>> resolved;
  for (const EventBinding& binding : bindings) {
    if (Handler handler = resolve(binding.handler)) resolved.emplace_back(binding.event, handler);
  }
  return resolved;
}

WindowRecord ReadDescription(const WindowDescription& description, const HandlerResolver& resolve) {
  WindowRecord record{&description, {}, Resolve(description.events, resolve), nullptr};
  for (const ControlDescription& control : description.controls) {
    record.control_bindings.push_back(Resolve(control.events, resolve));
  }
  return record;
}

}  // namespace

ApplicationState& Application() {
  static ApplicationState state;
  return state;
}

void InitializeApplication(std::span<const WindowDescription* const> descriptions,
                           const HandlerResolver& resolve) {
  SetErrorModeBits();
  ApplicationState& state = Application();
  state.heap = GetProcessHeap();
  if (!state.ole_initialized) {
    OleInitialize(nullptr);  // its result changes nothing here
    state.ole_initialized = true;
  }
  FindProgramPath(state);
  SetCurrentDirectoryA(state.program_directory.c_str());
  state.hidden_owner = CreateHiddenOwner();
  state.gui_thread = GetCurrentThreadId();
  for (const WindowDescription* description : descriptions) {
    state.windows.push_back(ReadDescription(*description, resolve));
  }
}

void CleanUpApplication() {
  ApplicationState& state = Application();
  ++state.event_hold_count;  // no handler runs from here on
  state.windows.clear();
  state.big_icon.reset();
  state.small_icon.reset();
  state.hidden_owner.reset();
  if (state.ole_initialized) {
    state.ole_initialized = false;
    OleUninitialize();
  }
}

WindowRecord* FindWindowRecord(std::int32_t window_id) {
  for (WindowRecord& record : Application().windows) {
    if (record.description->id == window_id) return &record;
  }
  return nullptr;
}

LoadedWindow* FindLoadedWindow(std::int32_t window_id) {
  WindowRecord* record = FindWindowRecord(window_id);
  if (!record || !record->loaded || !IsWindow(record->loaded->window())) return nullptr;
  return record->loaded.get();
}

bool AnyWindowLoaded() {
  for (const WindowRecord& record : Application().windows) {
    if (record.loaded && IsWindow(record.loaded->window())) return true;
  }
  return false;
}

}  // namespace quorvane
