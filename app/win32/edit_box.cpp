#include "app/win32/edit_box.h"

#include "app/portable/window_geometry.h"
#include "app/win32/control_border.h"
#include "app/win32/window_class.h"

namespace quorvane {

EditBox::EditBox(const ControlDescription& description, const EditBoxProperties& properties)
    : description_(description),
      properties_(properties),
      back_brush_(CreateSolidBrush(properties.back_colour)),
      font_(properties.font) {}

std::unique_ptr<EditBox> EditBox::Create(HWND parent, int child_id, const ControlDescription& description) {
  const auto& properties = std::get<EditBoxProperties>(description.properties);
  std::unique_ptr<EditBox> box(new EditBox(description, properties));
  box->window_.reset(CreateControlWindow(parent, child_id, L"EDIT", properties.text, description));
  if (!box->window_) return nullptr;
  SetWindowLongPtrW(box->window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box.get()));
  box->original_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(box->window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditBox::SubclassProc)));

  box->FitHeightToFont();
  SendMessageW(box->window(), WM_SETFONT, reinterpret_cast<WPARAM>(box->font_.get()), TRUE);
  // Brings in the text band.
  SetWindowPos(box->window(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(box->window(), EM_LIMITTEXT, static_cast<WPARAM>(properties.max_length), 0);
  SendMessageW(box->window(), EM_SETSEL, static_cast<WPARAM>(properties.sel_start),
               static_cast<LPARAM>(properties.sel_start + properties.sel_length));
  SendMessageW(box->window(), EM_SCROLLCARET, 0, 0);
  ApplyBorder(box->window(), properties.border);
  return box;
}

EditBox::~EditBox() {
  if (window_) {
    // The window may outlive this object for a moment; it must not call
    // back into it.
    SetWindowLongPtrW(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_proc_));
    SetWindowLongPtrW(window(), GWLP_USERDATA, 0);
  }
}

HBRUSH EditBox::ColourFor(HDC dc) const {
  SetTextColor(dc, properties_.text_colour);
  SetBkColor(dc, properties_.back_colour);
  return back_brush_.get();
}

void EditBox::FitHeightToFont() {
  // A single-line box must at least hold one line of its font.
  if (properties_.multi_line) return;
  WindowDc dc(window());
  SelectionScope font(dc.get(), font_.get());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), L"\x5434", 1, &size);  // 吴
  const int needed = size.cy + 2 * GetSystemMetrics(SM_CYEDGE);
  if (description_.height < needed) {
    SetWindowPos(window(), nullptr, 0, 0, description_.width, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CALLBACK EditBox::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* box = reinterpret_cast<EditBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!box) return DefWindowProcW(window, message, wparam, lparam);
  return box->HandleMessage(message, wparam, lparam);
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!properties_.multi_line) {
    switch (message) {
      case WM_NCCALCSIZE: return OnNcCalcSize(wparam, lparam);
      case WM_NCPAINT: return OnNcPaint(wparam, lparam);
      case WM_NCHITTEST: return OnNcHitTest(wparam, lparam);
      default: break;
    }
  }
  if (message == WM_ERASEBKGND) return OnEraseBackground(reinterpret_cast<HDC>(wparam));
  if (message == WM_NCDESTROY) {
    // The system is destroying the window: let go of it before the last
    // message, after which the handle means nothing.
    const HWND dying = window_.release();
    SetWindowLongPtrW(dying, GWLP_USERDATA, 0);
    return CallWindowProcW(original_proc_, dying, message, wparam, lparam);
  }
  return CallOriginal(message, wparam, lparam);
}

LRESULT EditBox::CallOriginal(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(original_proc_, window(), message, wparam, lparam);
}

int EditBox::TextHeight() const {
  WindowDc dc(window());
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window(), WM_GETFONT, 0, 0));
  SelectionScope selection(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), L"W", 1, &size);
  return size.cy;
}

LRESULT EditBox::OnNcCalcSize(WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallOriginal(WM_NCCALCSIZE, wparam, lparam);
  RECT& client = *reinterpret_cast<RECT*>(lparam);  // rgrc[0] in either form
  const Band band = CentredTextBand(client.top, client.bottom, TextHeight());
  client.top = band.top;
  client.bottom = band.bottom;
  return result;
}

LRESULT EditBox::OnNcPaint(WPARAM wparam, LPARAM lparam) {
  {
    // Strips and frame in the background colour first; the default frame
    // painting then draws the border over them.
    WholeWindowDc dc(window());
    RECT whole{};
    GetWindowRect(window(), &whole);
    RECT band{};
    GetClientRect(window(), &band);
    MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&band), 2);
    OffsetRect(&band, -whole.left, -whole.top);
    OffsetRect(&whole, -whole.left, -whole.top);
    ExcludeClipRect(dc.get(), band.left, band.top, band.right, band.bottom);
    FillRect(dc.get(), &whole, back_brush_.get());
  }
  return CallOriginal(WM_NCPAINT, wparam, lparam);
}

LRESULT EditBox::OnNcHitTest(WPARAM wparam, LPARAM lparam) {
  const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  RECT band{};
  GetClientRect(window(), &band);
  MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&band), 2);
  if (!PtInRect(&band, point)) return HTBORDER;
  return CallOriginal(WM_NCHITTEST, wparam, lparam);
}

LRESULT EditBox::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(window(), &client);
  FillRect(dc, &client, back_brush_.get());
  return 1;
}

}  // namespace quorvane
