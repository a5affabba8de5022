#pragma once
#include <windows.h>

#include "app/portable/window_description.h"

namespace quorvane {

// A description colour as Windows draws it: kButtonFace is the system's
// button-face colour at the moment of use.
inline COLORREF ResolveColour(Colour colour) {
  return colour == kButtonFace ? GetSysColor(COLOR_BTNFACE) : colour;
}

}  // namespace quorvane
