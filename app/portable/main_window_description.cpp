// MainWindow as designed: the product identifier box, the convert button,
// the picture box for the QR code and two labels.
#include "app/portable/texts.h"
#include "app/portable/window_description.h"

namespace quorvane {
namespace {

constexpr std::uint8_t kGb2312Charset = 134;
constexpr std::int32_t kNormalWeight = 400;
constexpr auto kFont14 = LogFont(-14, kNormalWeight, kGb2312Charset);
constexpr auto kFont24 = LogFont(-24, kNormalWeight, kGb2312Charset);

constexpr EventBinding kConvertButtonEvents[] = {{event::kClick, HandlerName::kConvertClick}};
constexpr EventBinding kProductIdBoxEvents[] = {
    {event::kDoubleClick, HandlerName::kProductIdDoubleClick}};

const ControlDescription kMainWindowControls[] = {
    {.id = control_id::kScanHint, .name = "标签2", .kind = ControlKind::kLabel,
     .left = 5, .top = 376, .width = 328, .height = 64, .tab_stop = false, .tab_order = 0,
     .properties = LabelProperties{.text = kTexts.ScanHint, .font = kFont24,
                                   .text_colour = 0x0000FF, .word_wrap = true}},
    {.id = control_id::kPictureBox, .name = "图片框1", .kind = ControlKind::kPicBox,
     .left = 19, .top = 72, .width = 312, .height = 336, .tab_stop = false, .tab_order = 0,
     .properties = PicBoxProperties{}},
    {.id = control_id::kConvertButton, .name = "按钮1", .kind = ControlKind::kButton,
     .left = 256, .top = 22, .width = 72, .height = 32, .tab_stop = true, .tab_order = 0,
     .properties = ButtonProperties{.caption = kTexts.ConvertButton},
     .events = kConvertButtonEvents},
    {.id = control_id::kProductIdLabel, .name = "标签1", .kind = ControlKind::kLabel,
     .left = 8, .top = 26, .width = 48, .height = 24, .tab_stop = false, .tab_order = 0,
     .properties = LabelProperties{.text = kTexts.ProductIdLabel, .font = kFont14}},
    {.id = control_id::kProductIdBox, .name = "编辑框1", .kind = ControlKind::kEditBox,
     .left = 64, .top = 23, .width = 184, .height = 32, .tab_stop = true, .tab_order = 0,
     .properties = EditBoxProperties{.text = kTexts.InitialProductId, .border = 1,
                                     .font = kFont14},
     .events = kProductIdBoxEvents},
};

}  // namespace

const WindowDescription kMainWindow = {
    .id = kMainWindowId,
    .left = 50, .top = 50, .width = 345, .height = 474,
    .title = kTexts.WindowTitle,
    .border = 2,
    .back_colour = kButtonFace,
    .visible = true, .disabled = false,
    .control_box = true, .max_button = false, .min_button = true,
    .start_position = 1,
    .movable = true,
    .enter_moves_focus = false, .esc_closes = true, .f1_opens_help = false,
    .show_in_taskbar = true, .drag_anywhere = false, .always_on_top = false,
    .controls = kMainWindowControls,
    .events = {},
};

const ControlDescription* FindControl(const WindowDescription& window, std::int32_t control_id) {
  for (const ControlDescription& control : window.controls) {
    if (control.id == control_id) return &control;
  }
  return nullptr;
}

}  // namespace quorvane
