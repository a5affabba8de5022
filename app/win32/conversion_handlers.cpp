#include "app/win32/conversion_handlers.h"

#include <windows.h>

#include "app/portable/order_url.h"
#include "app/portable/texts.h"
#include "app/win32/message_box.h"
#include "app/win32/properties.h"
#include "web/win32/fetch_url.h"

namespace quorvane {
namespace {

Text ReadProductId() {
  return std::get<Text>(GetProperty(kMainWindowId, control_id::kProductIdBox, property::kEditBoxText));
}

// The usual sign of synchronous work while the fetch blocks the window.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW)); }

 private:
  HCURSOR previous_;
};

}  // namespace

HandlerResult HandleConvertClick(std::span<const std::int32_t>) {
  if (ReadProductId().empty()) {
    ShowMessageBox(kTexts.EmptyProductIdMessage, MB_OK);
    return std::nullopt;
  }
  const Text order_url = BuildOrderUrl(ReadProductId().view());
  Block picture;
  {
    const Text request_url = BuildRequestUrl(order_url.view());
    const WaitCursor wait;
    picture = FetchUrl(request_url.c_str());
  }
  // Whatever came back goes to the box: a failed fetch clears it.
  SetProperty(kMainWindowId, control_id::kPictureBox, property::kPicBoxPicture, -1, std::move(picture));
  return std::nullopt;
}

HandlerResult HandleProductIdDoubleClick(std::span<const std::int32_t>) {
  SetProperty(kMainWindowId, control_id::kProductIdBox, property::kEditBoxText, -1, Text());
  return std::nullopt;
}

Handler ResolveConversionHandler(HandlerName name) {
  switch (name) {
    case HandlerName::kConvertClick: return &HandleConvertClick;
    case HandlerName::kProductIdDoubleClick: return &HandleProductIdDoubleClick;
    case HandlerName::kNoHandler: break;
  }
  return nullptr;
}

}  // namespace quorvane
