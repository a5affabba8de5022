#include "app/portable/window_geometry.h"

namespace quorvane {

std::uint32_t WindowStyle(const WindowDescription& window) {
  std::uint32_t bits = style::kClipChildren;
  if (window.border != 0) {
    bits |= style::kDlgFrame;
    if (!window.title.empty() || window.control_box) bits |= style::kCaption;
    if (window.control_box) bits |= style::kSysMenu;
    const bool resizable = window.border == 1 || window.border == 3 || window.border == 5;
    if (resizable) bits |= style::kThickFrame;
    if (window.min_button) bits |= style::kMinimizeBox;
    if (window.max_button) bits |= style::kMaximizeBox;
    if (window.start_position == 3 && resizable) bits |= style::kMaximize;
  }
  if (window.start_position == 2) bits |= style::kMinimize;
  if (window.disabled) bits |= style::kDisabled;
  return bits;
}

std::uint32_t ControlStyle(const ControlDescription& control) {
  std::uint32_t bits = style::kChild | style::kClipSiblings;
  if (control.tab_stop) bits |= style::kTabStop;
  if (control.disabled) bits |= style::kDisabled;
  if (const auto* edit = std::get_if<EditBoxProperties>(&control.properties)) {
    if (edit->multi_line) bits |= style::kEditMultiLine;
    else bits |= style::kEditAutoHScroll;
    if (!edit->hide_selection) bits |= style::kEditNoHideSel;
    if (edit->alignment == Alignment::kCentre) bits |= style::kEditCentre;
    if (edit->alignment == Alignment::kRight) bits |= style::kEditRight;
    if (edit->input_mode == 1) bits |= style::kEditReadOnly;
    if (edit->input_mode == 2) bits |= style::kEditPassword;
    if (edit->case_conversion == 1) bits |= style::kEditLowerCase;
    if (edit->case_conversion == 2) bits |= style::kEditUpperCase;
  } else if (const auto* button = std::get_if<ButtonProperties>(&control.properties)) {
    bits |= style::kButtonMultiLine;
    if (button->default_button) bits |= style::kButtonDefault;
    constexpr std::uint32_t kHorizontal[] = {style::kButtonLeft, style::kButtonCentre,
                                             style::kButtonRight};
    constexpr std::uint32_t kVertical[] = {style::kButtonTop, style::kButtonVCentre,
                                           style::kButtonBottom};
    bits |= kHorizontal[static_cast<int>(button->alignment)];
    bits |= kVertical[static_cast<int>(button->vertical_alignment)];
  }
  return bits;
}

Point CentredOrigin(std::int32_t screen_width, std::int32_t screen_height,
                    std::int32_t window_width, std::int32_t window_height) {
  // Integer division truncates toward zero, also for a negative difference.
  return {(screen_width - window_width) / 2, (screen_height - window_height) / 2};
}

Band CentredTextBand(std::int32_t client_top, std::int32_t client_bottom, std::int32_t text_height) {
  const std::int32_t top = client_top + (client_bottom - client_top - text_height) / 2;
  return {top, top + text_height};
}

}  // namespace quorvane
