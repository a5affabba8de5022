#pragma once
// The application state: one record per process, from start-up to exit.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/portable/window_description.h"
#include "app/win32/handles.h"

namespace quorvane {

class LoadedWindow;

// Turns the handler names of a description into functions; a name without a
// function becomes no binding.
using HandlerResolver = std::function<Handler(HandlerName)>;

// A window description with its bindings resolved and, while it is loaded,
// the window made from it.
struct WindowRecord {
  const WindowDescription* description;
  // Per control (description order) and for the window itself: the pairs of
  // event number and handler.
  std::vector<std::vector<std::pair<std::int32_t, Handler>>> control_bindings;
  std::vector<std::pair<std::int32_t, Handler>> window_bindings;
  std::unique_ptr<LoadedWindow> loaded;
};

struct ApplicationState {
  HANDLE heap = nullptr;
  bool ole_initialized = false;
  std::string program_directory;  // code page 936
  std::string program_file_name;
  UniqueWindow hidden_owner;
  DWORD gui_thread = 0;
  std::vector<WindowRecord> windows;
  std::int32_t event_hold_count = 0;
  bool loop_running = false;
  UniqueIcon big_icon, small_icon;
};

ApplicationState& Application();

// Start-up: heap, OLE, program folder as working directory, the hidden
// owner window, the GUI thread and the window descriptions.
void InitializeApplication(std::span<const WindowDescription* const> descriptions,
                           const HandlerResolver& resolve);
// The clean-up before exit; ends with OleUninitialize.
void CleanUpApplication();

WindowRecord* FindWindowRecord(std::int32_t window_id);
// The loaded window, or null when it is not loaded.
LoadedWindow* FindLoadedWindow(std::int32_t window_id);
bool AnyWindowLoaded();

}  // namespace quorvane
