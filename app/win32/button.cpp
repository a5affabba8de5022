#include "app/win32/button.h"

#include "app/win32/window_class.h"

namespace quorvane {

std::unique_ptr<Button> Button::Create(HWND parent, int child_id, const ControlDescription& description) {
  const auto& properties = std::get<ButtonProperties>(description.properties);
  std::unique_ptr<Button> button(new Button(properties.font));
  button->window_.reset(CreateControlWindow(parent, child_id, L"BUTTON", properties.caption, description));
  if (!button->window_) return nullptr;
  SendMessageW(button->window(), WM_SETFONT, reinterpret_cast<WPARAM>(button->font_.get()), TRUE);
  return button;
}

}  // namespace quorvane
