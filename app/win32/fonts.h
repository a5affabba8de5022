#pragma once
#include <windows.h>

#include "app/portable/window_description.h"
#include "app/win32/handles.h"

namespace quorvane {

// A control's font: made from its stored LOGFONTA value, or the stock
// DEFAULT_GUI_FONT when the value is empty, not a LOGFONTA, or unusable.
class ControlFont {
 public:
  explicit ControlFont(FontValue value);
  HFONT get() const { return owned_ ? owned_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

 private:
  UniqueFont owned_;
};

}  // namespace quorvane
