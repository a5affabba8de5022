#include "app/win32/window_class.h"

#include <string>

#include "app/portable/window_geometry.h"
#include "app/win32/wide_text.h"

namespace quorvane {

void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, UINT class_style, bool null_background) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = class_style;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (null_background) window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

HWND CreateControlWindow(HWND parent, int child_id, const wchar_t* class_name, std::string_view text,
                         const ControlDescription& description) {
  const std::wstring window_text = WideFromCp936(text);
  return CreateWindowExW(0, class_name, window_text.c_str(), ControlStyle(description), description.left,
                         description.top, description.width, description.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)), GetModuleHandleW(nullptr),
                         nullptr);
}

}  // namespace quorvane
