#pragma once
// A window made from its description, with its controls: creation in the
// described order, painting of its background, reflection of control
// notifications into events, focus keeping, and the keys and input events
// that the message loop offers it before dispatch.

#include <windows.h>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "app/portable/window_description.h"
#include "app/win32/button.h"
#include "app/win32/edit_box.h"
#include "app/win32/handles.h"
#include "app/win32/label.h"
#include "picture/win32/pic_box.h"

namespace quorvane {

struct WindowRecord;

class LoadedWindow {
 public:
  using ControlObject =
      std::variant<std::unique_ptr<EditBox>, std::unique_ptr<Label>, std::unique_ptr<Button>, std::unique_ptr<PicBox>>;
  struct Control {
    const ControlDescription* description;
    ControlObject object;
    HWND window;
  };

  // Creates the window and its controls, hidden; null when the system
  // refuses one of them.
  static std::unique_ptr<LoadedWindow> Create(WindowRecord& record);
  ~LoadedWindow();
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  HWND window() const { return window_.get(); }
  const WindowDescription& description() const { return description_; }
  // Controls in description order.
  const std::vector<Control>& controls() const { return controls_; }
  const Control* FindControl(std::int32_t control_id) const;
  const Control* FindControl(HWND window) const;

  void ShowControls();
  void Show();
  // Offered every message for this window or a window inside it before it is
  // translated and dispatched; true when it consumed the message.
  bool PreTranslate(const MSG& message);

 private:
  explicit LoadedWindow(WindowRecord& record);
  bool CreateFrame();
  bool CreateControls();
  void StackControls();
  void SetIcons();

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void OnCommand(WPARAM wparam, LPARAM lparam);
  LRESULT OnControlColour(HDC dc, HWND control);
  void OnActivate(WPARAM wparam);
  void OnSetFocus();
  void OnDestroy();
  void OnNcDestroy();

  bool HandleKey(const MSG& message);
  bool RaiseInputEvent(const MSG& message);
  void MoveFocus(bool forward);
  std::optional<std::size_t> FocusedControlIndex() const;
  bool CanFocus(std::size_t index) const;

  WindowRecord& record_;
  const WindowDescription& description_;
  UniqueWindow window_;
  std::vector<Control> controls_;
  HWND focus_to_restore_ = nullptr;
};

}  // namespace quorvane
