#pragma once
// The window description: constant data that says what a window and its
// controls are (identifiers, kinds, places, property values, focus settings
// and event bindings). Code builds the window from it and never changes it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "app/portable/events.h"

namespace quorvane {

// A colour as a Windows COLORREF (red in the low byte); kButtonFace stands
// for the system's button-face colour, looked up when the colour is used.
using Colour = std::uint32_t;
inline constexpr Colour kButtonFace = 0xFF000000;

// A font value: empty, or the 60 bytes of a Windows LOGFONTA record.
using FontValue = std::span<const std::uint8_t>;
inline constexpr std::size_t kLogFontSize = 60;
constexpr std::array<std::uint8_t, kLogFontSize> LogFont(std::int32_t height, std::int32_t weight,
                                                         std::uint8_t charset) {
  std::array<std::uint8_t, kLogFontSize> bytes{};
  auto put32 = [&bytes](std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
  };
  put32(0, height);   // lfHeight; width, escapement and orientation stay 0
  put32(16, weight);  // lfWeight; italic, underline and strike-out stay 0
  bytes[23] = charset;
  return bytes;  // the face name stays empty
}

// Handlers are named in the description and resolved to functions when the
// program starts; kNoHandler marks a pair that binds nothing.
enum class HandlerName : std::uint8_t { kNoHandler, kConvertClick, kProductIdDoubleClick };
struct EventBinding {
  std::int32_t event;
  HandlerName handler;
};

enum class ControlKind : std::uint8_t { kEditBox, kLabel, kButton, kPicBox };
enum class Alignment : std::uint8_t { kLeft, kCentre, kRight };
enum class VerticalAlignment : std::uint8_t { kTop, kCentre, kBottom };

struct EditBoxProperties {
  std::string_view text;
  std::int32_t border = 0;
  Colour text_colour = 0x000000;
  Colour back_colour = 0xFFFFFF;
  FontValue font{};
  bool hide_selection = true;
  std::int32_t max_length = 0;
  bool multi_line = false;
  Alignment alignment = Alignment::kLeft;
  std::int32_t input_mode = 0;       // 0 free, 1 read-only, 2 password
  std::int32_t case_conversion = 0;  // 0 none, 1 lower, 2 upper
  std::int32_t sel_start = 0;
  std::int32_t sel_length = 0;
};

struct LabelProperties {
  std::string_view text;
  std::int32_t effect = 0;  // 0 plain, 1 engraved, 2 raised, 3 shadowed
  std::int32_t border = 0;
  FontValue font{};
  Colour text_colour = 0x000000;
  Colour back_colour = kButtonFace;
  Alignment alignment = Alignment::kLeft;
  bool word_wrap = false;
  VerticalAlignment vertical_alignment = VerticalAlignment::kCentre;
};

struct ButtonProperties {
  std::string_view caption;
  bool default_button = false;  // ButtonType 1
  Alignment alignment = Alignment::kCentre;
  VerticalAlignment vertical_alignment = VerticalAlignment::kCentre;
  FontValue font{};
};

struct PicBoxProperties {
  std::int32_t border = 0;
  Colour back_colour = kButtonFace;
  std::int32_t display_mode = 0;  // TopLeft
  bool play_animation = true;
};

struct ControlDescription {
  std::int32_t id;
  std::string_view name;  // UTF-8, for people reading traces and tests
  ControlKind kind;
  std::int32_t left, top, width, height;
  bool tab_stop;
  std::int32_t tab_order;
  bool visible = true;
  bool disabled = false;
  std::variant<EditBoxProperties, LabelProperties, ButtonProperties, PicBoxProperties> properties;
  std::span<const EventBinding> events{};
};

struct WindowDescription {
  std::int32_t id;
  std::int32_t left, top, width, height;
  std::string_view title;
  std::int32_t border;  // 0 none, 1 resizable, 2 fixed, 3..6 tool windows and edges
  Colour back_colour;
  bool visible, disabled;
  bool control_box, max_button, min_button;
  std::int32_t start_position;  // 0 at Left/Top, 1 centred, 2 minimised, 3 maximised
  bool movable;
  bool enter_moves_focus, esc_closes, f1_opens_help;
  bool show_in_taskbar, drag_anywhere, always_on_top;
  std::span<const ControlDescription> controls;  // in description order
  std::span<const EventBinding> events;
};

// The program's one window.
extern const WindowDescription kMainWindow;

namespace control_id {
inline constexpr std::int32_t kScanHint = 0x16010077;      // 标签2
inline constexpr std::int32_t kPictureBox = 0x1601005C;    // 图片框1
inline constexpr std::int32_t kConvertButton = 0x16010004; // 按钮1
inline constexpr std::int32_t kProductIdLabel = 0x16010003; // 标签1
inline constexpr std::int32_t kProductIdBox = 0x16010002;  // 编辑框1
}  // namespace control_id
inline constexpr std::int32_t kMainWindowId = 0x52010001;

// Property numbers: 0..7 are shared by every kind, each kind's own follow.
namespace property {
inline constexpr int kEditBoxText = 8;
inline constexpr int kPicBoxPicture = 10;
}  // namespace property

const ControlDescription* FindControl(const WindowDescription& window, std::int32_t control_id);

}  // namespace quorvane
