#include "app/win32/button.h"

#include <string>

#include "app/portable/window_geometry.h"
#include "app/win32/wide_text.h"

namespace quorvane {

std::unique_ptr<Button> Button::Create(HWND parent, int child_id, const ControlDescription& description) {
  const auto& properties = std::get<ButtonProperties>(description.properties);
  std::unique_ptr<Button> button(new Button(properties.font));
  const std::wstring caption = WideFromCp936(properties.caption);
  button->window_.reset(CreateWindowExW(0, L"BUTTON", caption.c_str(), ControlStyle(description), description.left,
                                        description.top, description.width, description.height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)),
                                        GetModuleHandleW(nullptr), nullptr));
  if (!button->window_) return nullptr;
  SendMessageW(button->window(), WM_SETFONT, reinterpret_cast<WPARAM>(button->font_.get()), TRUE);
  return button;
}

}  // namespace quorvane
