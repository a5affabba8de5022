#include "app/win32/label.h"

#include <string>

#include "app/win32/colours.h"
#include "app/win32/control_border.h"
#include "app/win32/window_class.h"

namespace quorvane {
namespace {

constexpr wchar_t kLabelClass[] = L"QuorvaneLabel";

UINT TextFormat(const LabelProperties& properties) {
  UINT format = DT_NOCLIP;
  constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
  format |= kHorizontal[static_cast<int>(properties.alignment)];
  if (properties.word_wrap) {
    // Without DT_SINGLELINE, DT_VCENTER leaves wrapped text at the top.
    format |= DT_WORDBREAK | DT_VCENTER;
  } else {
    format |= DT_SINGLELINE | kVertical[static_cast<int>(properties.vertical_alignment)];
  }
  return format;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

Label::Label(const LabelProperties& properties) : properties_(properties) {}

std::unique_ptr<Label> Label::Create(HWND parent, int child_id, const ControlDescription& description) {
  // The procedure is set per window below, once the object is attached.
  RegisterWindowClassOnce(kLabelClass, DefWindowProcW, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, true);
  const auto& properties = std::get<LabelProperties>(description.properties);
  std::unique_ptr<Label> label(new Label(properties));
  label->window_.reset(CreateControlWindow(parent, child_id, kLabelClass, properties.text, description));
  if (!label->window_) return nullptr;
  SetWindowLongPtrW(label->window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label.get()));
  SetWindowLongPtrW(label->window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Label::WindowProc));
  ApplyBorder(label->window(), properties.border);
  return label;
}

Label::~Label() {
  if (window_) SetWindowLongPtrW(window(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK Label::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* label = reinterpret_cast<Label*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (label) {
    switch (message) {
      case WM_PAINT:
        label->OnPaint();
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        label->window_.release();
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void Label::OnPaint() {
  PaintScope paint(window());
  RECT area{};
  GetClientRect(window(), &area);
  RECT clip{};
  if (!IntersectRect(&clip, &area, &paint.area())) return;
  IntersectClipRect(paint.dc(), clip.left, clip.top, clip.right, clip.bottom);

  UniqueBrush background(CreateSolidBrush(ResolveColour(properties_.back_colour)));
  FillRect(paint.dc(), &clip, background.get());

  PaintText(paint.dc(), area, TextFormat(properties_));
}

void Label::PaintText(HDC dc, RECT area, UINT format) const {
  std::wstring text = WindowText(window());
  if (text.empty()) return;
  const ControlFont font(properties_.font);
  SelectionScope selection(dc, font.get());
  SetBkMode(dc, TRANSPARENT);

  auto draw = [&](COLORREF colour, int dx, int dy) {
    RECT place = area;
    OffsetRect(&place, dx, dy);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
  };
  switch (properties_.effect) {
    case 1: draw(RGB(255, 255, 255), 1, 1); break;  // engraved
    case 2:                                          // raised
      draw(RGB(255, 255, 255), 0, 0);
      OffsetRect(&area, 1, 1);
      break;
    case 3: draw(RGB(0, 0, 0), 2, 2); break;  // shadowed
    default: break;
  }
  draw(ResolveColour(properties_.text_colour), 0, 0);
}

}  // namespace quorvane
