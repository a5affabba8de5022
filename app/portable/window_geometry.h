#pragma once
// Styles and places that the window description implies, as plain numbers
// (the values of the Windows constants named beside them).

#include <cstdint>

#include "app/portable/window_description.h"

namespace quorvane {

namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;          // WS_CHILD
inline constexpr std::uint32_t kMinimize = 0x20000000;       // WS_MINIMIZE
inline constexpr std::uint32_t kDisabled = 0x08000000;       // WS_DISABLED
inline constexpr std::uint32_t kClipSiblings = 0x04000000;   // WS_CLIPSIBLINGS
inline constexpr std::uint32_t kClipChildren = 0x02000000;   // WS_CLIPCHILDREN
inline constexpr std::uint32_t kMaximize = 0x01000000;       // WS_MAXIMIZE
inline constexpr std::uint32_t kCaption = 0x00C00000;        // WS_CAPTION
inline constexpr std::uint32_t kDlgFrame = 0x00400000;       // WS_DLGFRAME
inline constexpr std::uint32_t kSysMenu = 0x00080000;        // WS_SYSMENU
inline constexpr std::uint32_t kThickFrame = 0x00040000;     // WS_THICKFRAME
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;    // WS_MINIMIZEBOX
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;    // WS_MAXIMIZEBOX
inline constexpr std::uint32_t kTabStop = 0x00010000;        // WS_TABSTOP
inline constexpr std::uint32_t kEditCentre = 0x0001;         // ES_CENTER
inline constexpr std::uint32_t kEditRight = 0x0002;          // ES_RIGHT
inline constexpr std::uint32_t kEditMultiLine = 0x0004;      // ES_MULTILINE
inline constexpr std::uint32_t kEditUpperCase = 0x0008;      // ES_UPPERCASE
inline constexpr std::uint32_t kEditLowerCase = 0x0010;      // ES_LOWERCASE
inline constexpr std::uint32_t kEditPassword = 0x0020;       // ES_PASSWORD
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;    // ES_AUTOHSCROLL
inline constexpr std::uint32_t kEditNoHideSel = 0x0100;      // ES_NOHIDESEL
inline constexpr std::uint32_t kEditReadOnly = 0x0800;       // ES_READONLY
inline constexpr std::uint32_t kButtonDefault = 0x0001;      // BS_DEFPUSHBUTTON
inline constexpr std::uint32_t kButtonLeft = 0x0100;         // BS_LEFT
inline constexpr std::uint32_t kButtonRight = 0x0200;        // BS_RIGHT
inline constexpr std::uint32_t kButtonCentre = 0x0300;       // BS_CENTER
inline constexpr std::uint32_t kButtonTop = 0x0400;          // BS_TOP
inline constexpr std::uint32_t kButtonBottom = 0x0800;       // BS_BOTTOM
inline constexpr std::uint32_t kButtonVCentre = 0x0C00;      // BS_VCENTER
inline constexpr std::uint32_t kButtonMultiLine = 0x2000;    // BS_MULTILINE
}  // namespace style

// The top-level window's style from its border, title and box settings.
std::uint32_t WindowStyle(const WindowDescription& window);

// The style a control is created with, before its border is applied.
std::uint32_t ControlStyle(const ControlDescription& control);

struct Point {
  std::int32_t x, y;
};
// The upper left corner that centres a window on the screen; on a screen
// smaller than the window the place is negative.
Point CentredOrigin(std::int32_t screen_width, std::int32_t screen_height,
                    std::int32_t window_width, std::int32_t window_height);

struct Band {
  std::int32_t top, bottom;
};
// The text band of a single-line edit box: one line of text_height pixels,
// centred vertically in the client area that the frame leaves.
Band CentredTextBand(std::int32_t client_top, std::int32_t client_bottom, std::int32_t text_height);

}  // namespace quorvane
