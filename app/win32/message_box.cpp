#include "app/win32/message_box.h"

#include "app/portable/message_box_rules.h"
#include "app/portable/texts.h"
#include "app/win32/wide_text.h"

namespace quorvane {

std::int32_t ShowMessageBox(std::string_view message, std::uint32_t buttons,
                            std::optional<std::string_view> caption, HWND owner) {
  const std::wstring text = WideFromCp936(message);
  const std::wstring heading = WideFromCp936(caption.value_or(kTexts.InfoCaption));
  return MessageBoxChoice(MessageBoxW(owner, text.c_str(), heading.c_str(), MessageBoxType(buttons)));
}

}  // namespace quorvane
