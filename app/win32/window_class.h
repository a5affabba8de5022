#pragma once
// Registering the program's window classes, once each, and making the child
// window of a described control.

#include <windows.h>

#include <string_view>

#include "app/portable/window_description.h"

namespace quorvane {

// A class with the arrow cursor and no icon; `null_background` gives it the
// stock NULL_BRUSH, for windows that paint their own background.
void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, UINT class_style, bool null_background);

// The child window of a control at its described place and size, with the
// style the description implies; null when the system refuses it.
HWND CreateControlWindow(HWND parent, int child_id, const wchar_t* class_name, std::string_view text,
                         const ControlDescription& description);

}  // namespace quorvane
