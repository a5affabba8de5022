#include "app/win32/properties.h"

#include <string>

#include "app/portable/texts.h"
#include "app/win32/application.h"
#include "app/win32/loaded_window.h"
#include "app/win32/runtime_error.h"
#include "app/win32/wide_text.h"

namespace quorvane {
namespace {

const LoadedWindow::Control& RequireControl(std::int32_t window, std::int32_t control, bool writing) {
  LoadedWindow* loaded = FindLoadedWindow(window);
  if (!loaded) ReportRuntimeError(kTexts.WindowNotLoadedForProperty, 0, window, control);
  const LoadedWindow::Control* found = loaded->FindControl(control);
  if (!found || !IsWindow(found->window)) {
    ReportRuntimeError(writing ? kTexts.WritePropertyWindowMissing : kTexts.ReadPropertyWindowMissing, 0, window,
                       control);
  }
  return *found;
}

Text ReadWindowText(HWND window) {
  std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(GetWindowTextW(window, wide.data(), static_cast<int>(wide.size()))));
  // An empty text reads as the missing text.
  if (wide.empty()) return Text();
  return Text::Copy(Cp936FromWide(wide));
}

std::string_view TextOf(const PropertyValue& value) {
  const Text* text = std::get_if<Text>(&value);
  return text ? text->view() : std::string_view();
}

std::span<const std::uint8_t> BytesOf(const PropertyValue& value) {
  const Block* bytes = std::get_if<Block>(&value);
  return bytes ? bytes->bytes() : std::span<const std::uint8_t>();
}

}  // namespace

PropertyValue GetProperty(std::int32_t window, std::int32_t control, int property, int /*element*/) {
  const LoadedWindow::Control& target = RequireControl(window, control, false);
  switch (target.description->kind) {
    case ControlKind::kEditBox:
      if (property == property::kEditBoxText) return ReadWindowText(target.window);
      break;
    case ControlKind::kPicBox:
      if (property == property::kPicBoxPicture) {
        return Block::CopyOf(std::get<std::unique_ptr<PicBox>>(target.object)->GetPicture());
      }
      break;
    default:
      break;
  }
  return Text();
}

void SetProperty(std::int32_t window, std::int32_t control, int property, int /*element*/,
                 const PropertyValue& value) {
  const LoadedWindow::Control& target = RequireControl(window, control, true);
  switch (target.description->kind) {
    case ControlKind::kEditBox:
      if (property == property::kEditBoxText) {
        // Always set, even when the text is the same.
        SetWindowTextW(target.window, WideFromCp936(TextOf(value)).c_str());
      }
      break;
    case ControlKind::kPicBox:
      if (property == property::kPicBoxPicture) {
        std::get<std::unique_ptr<PicBox>>(target.object)->SetPicture(BytesOf(value));
      }
      break;
    default:
      break;
  }
}

}  // namespace quorvane
