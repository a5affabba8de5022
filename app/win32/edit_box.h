#pragma once
// EditBox: the system's EDIT control, subclassed so that a single-line box
// draws its text as one band centred vertically, with the strips above and
// below in the box's background colour and out of reach of the mouse.

#include <windows.h>

#include <memory>

#include "app/portable/window_description.h"
#include "app/win32/fonts.h"
#include "app/win32/handles.h"

namespace quorvane {

class EditBox {
 public:
  // Creates the box hidden; null when the system refuses the window.
  static std::unique_ptr<EditBox> Create(HWND parent, int child_id, const ControlDescription& description);
  ~EditBox();
  EditBox(const EditBox&) = delete;
  EditBox& operator=(const EditBox&) = delete;

  HWND window() const { return window_.get(); }
  // Answers the colour request that the parent reflects to the box.
  HBRUSH ColourFor(HDC dc) const;

 private:
  EditBox(const ControlDescription& description, const EditBoxProperties& properties);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnNcCalcSize(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcPaint(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcHitTest(WPARAM wparam, LPARAM lparam);
  LRESULT OnEraseBackground(HDC dc);
  LRESULT CallOriginal(UINT message, WPARAM wparam, LPARAM lparam);
  int TextHeight() const;
  void FitHeightToFont();

  const ControlDescription& description_;
  const EditBoxProperties& properties_;
  UniqueBrush back_brush_;
  ControlFont font_;
  UniqueWindow window_;
  WNDPROC original_proc_ = nullptr;
};

}  // namespace quorvane
