#pragma once
// Button: an ordinary Windows push button. Its click reaches the program as
// BN_CLICKED, which the parent window reflects into the Click event.

#include <windows.h>

#include <memory>

#include "app/portable/window_description.h"
#include "app/win32/fonts.h"
#include "app/win32/handles.h"

namespace quorvane {

class Button {
 public:
  static std::unique_ptr<Button> Create(HWND parent, int child_id, const ControlDescription& description);
  HWND window() const { return window_.get(); }

 private:
  explicit Button(FontValue font) : font_(font) {}
  ControlFont font_;
  UniqueWindow window_;
};

}  // namespace quorvane
