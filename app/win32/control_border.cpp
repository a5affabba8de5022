#include "app/win32/control_border.h"

namespace quorvane {
namespace {

struct BorderBits {
  DWORD style;
  DWORD extended_style;
};

BorderBits BitsOf(int border) {
  switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5: return {WS_BORDER, 0};
    default: return {0, 0};
  }
}

}  // namespace

void ApplyBorder(HWND control, int border) {
  const BorderBits bits = BitsOf(border);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  const LONG_PTR extended = GetWindowLongPtrW(control, GWL_EXSTYLE);
  SetWindowLongPtrW(control, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_BORDER)) | bits.style);
  SetWindowLongPtrW(control, GWL_EXSTYLE,
                    (extended & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE)) |
                        bits.extended_style);
  SetWindowPos(control, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvane
