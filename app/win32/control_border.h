#pragma once
#include <windows.h>

namespace quorvane {

// Applies a control's border style (0 none, 1 client edge, 2 modal frame,
// 3 static edge, 4 client edge and modal frame, 5 WS_BORDER) after creation:
// the four border bits are cleared, those of the value set, and the frame
// recalculated with place, size and Z order kept.
void ApplyBorder(HWND control, int border);

}  // namespace quorvane
