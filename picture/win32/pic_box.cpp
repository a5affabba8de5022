#include "picture/win32/pic_box.h"

#include <utility>

#include "app/win32/colours.h"
#include "app/win32/control_border.h"
#include "app/win32/window_class.h"
#include "picture/portable/picture_format.h"
#include "picture/portable/still_picture.h"
#include "picture/win32/gif_animation.h"
#include "picture/win32/picture_painting.h"

namespace quorvane {
namespace {

constexpr wchar_t kClassName[] = L"QuorvanePicBox";

}  // namespace

PicBox::PicBox(COLORREF background)
    : background_(background), background_brush_(CreateSolidBrush(background)) {}

std::unique_ptr<PicBox> PicBox::Create(HWND parent, int child_id, RECT place, DWORD style,
                                       COLORREF back_color, int border) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // The default erase then leaves the pixels alone; painting fills the
  // background itself.
  RegisterWindowClassOnce(kClassName, WindowProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, true);
  std::unique_ptr<PicBox> box(new PicBox(ResolveColour(back_color)));
  if (!box->background_brush_) return nullptr;
  // The box is shown by whoever creates it, once everything is in place.
  const HWND window = CreateWindowExW(0, kClassName, L"", style & ~WS_VISIBLE, place.left, place.top,
                                      place.right - place.left, place.bottom - place.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)), instance,
                                      box.get());
  if (!window) return nullptr;
  ApplyBorder(window, border);
  return box;
}

PicBox::~PicBox() {
  ReleasePicture();
  if (window_) {
    // Messages sent while the window goes away must not reach a half
    // destroyed box.
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    window_.reset();
  }
}

void PicBox::SetPicture(std::span<const std::uint8_t> bytes) {
  stored_ = Block::CopyOf(bytes);
  ReleasePicture();
  if (!stored_.empty()) DecodeStoredBytes();
  if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

void PicBox::DecodeStoredBytes() {
  const std::optional<PictureKind> kind = RecognizePictureFormat(stored_.bytes());
  if (!kind) return;
  ++decode_count_;
  if (*kind == PictureKind::kGif) {
    gif_ = GifAnimation::Load(window_.get(), stored_.bytes(), background_);
    if (gif_) picture_ = DecodedPicture{PictureKind::kGif, 0, 0, Block()};
    return;
  }
  picture_ = DecodeStillPicture(*kind, stored_.bytes());
}

void PicBox::ReleasePicture() {
  // A playing GIF's worker draws from the old picture until it has stopped.
  if (gif_) gif_->Stop();
  gif_.reset();
  picture_.reset();
}

LRESULT CALLBACK PicBox::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* box = static_cast<PicBox*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    box->window_ = UniqueWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  }
  auto* box = reinterpret_cast<PicBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!box) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT:
      box->OnPaint();
      return 0;
    case WM_DESTROY:
      box->OnDestroy();
      return 0;
    case WM_NCDESTROY:
      box->OnNcDestroy();
      return DefWindowProcW(window, message, wparam, lparam);
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void PicBox::OnPaint() {
  const PaintScope paint(window_.get());
  RECT client{};
  GetClientRect(window_.get(), &client);
  {
    const SelectionScope brush(paint.dc(), background_brush_.get());
    PatBlt(paint.dc(), 0, 0, client.right, client.bottom, PATCOPY);
  }
  if (!picture_) return;
  if (picture_->kind == PictureKind::kGif) {
    if (gif_) gif_->Paint(paint.dc());
    return;
  }
  PaintStillPicture(paint.dc(), *picture_, background_);
}

// The window is going away with its parent: whatever a picture holds goes
// now, while the window still exists for a GIF worker to finish drawing.
void PicBox::OnDestroy() {
  ReleasePicture();
  stored_ = Block();
  background_brush_.reset();
}

void PicBox::OnNcDestroy() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  // The handle is dead from here on; the box must not destroy it again.
  window_.release();
}

}  // namespace quorvane
