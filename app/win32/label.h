#pragma once
// Label: a window of its own class that paints its background and its text.

#include <windows.h>

#include <memory>

#include "app/portable/window_description.h"
#include "app/win32/fonts.h"
#include "app/win32/handles.h"

namespace quorvane {

class Label {
 public:
  static std::unique_ptr<Label> Create(HWND parent, int child_id, const ControlDescription& description);
  ~Label();
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  HWND window() const { return window_.get(); }

 private:
  explicit Label(const LabelProperties& properties);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void PaintText(HDC dc, RECT area, UINT format) const;

  const LabelProperties& properties_;
  UniqueWindow window_;
};

}  // namespace quorvane
