#pragma once
#include <span>

#include "app/portable/events.h"
#include "app/portable/window_description.h"

namespace quorvane {

// Click of 按钮1: the product identifier in 编辑框1 becomes a QR code in
// 图片框1; an empty identifier is refused with a message box.
HandlerResult HandleConvertClick(std::span<const std::int32_t> arguments);
// DoubleClick of 编辑框1: empties the box; returns no value, so the box's own
// double-click processing follows.
HandlerResult HandleProductIdDoubleClick(std::span<const std::int32_t> arguments);

Handler ResolveConversionHandler(HandlerName name);

}  // namespace quorvane
