#pragma once
// The picture box control: keeps the bytes last written to it, decodes the
// picture they hold and paints it at its natural size in its upper left
// corner over its background colour. Bytes that hold no usable picture
// leave it showing only the background; nothing is ever reported.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "app/portable/block.h"
#include "app/win32/handles.h"
#include "picture/portable/decoded_picture.h"

namespace quorvane {

class GifAnimation;

class PicBox {
 public:
  // Creates the box's window, hidden, as a child of `parent`.
  // back_color is a COLORREF or 0xFF000000 for the button-face colour.
  // Null when the window can't be made.
  static std::unique_ptr<PicBox> Create(HWND parent, int child_id, RECT place, DWORD style,
                                        COLORREF back_color, int border);
  PicBox(const PicBox&) = delete;
  PicBox& operator=(const PicBox&) = delete;
  ~PicBox();  // destroys the window if it still exists

  // Null once the window is gone, for instance with its parent.
  HWND window() const { return window_.get(); }
  // Keeps a copy of the bytes, drops the old picture and decodes the new
  // one; the repaint follows through the message loop.
  void SetPicture(std::span<const std::uint8_t> bytes);
  // The bytes last written, unchanged, whether or not they held a picture.
  std::span<const std::uint8_t> GetPicture() const { return stored_.bytes(); }

  // The background colour fixed at creation.
  COLORREF background() const { return background_; }
  // How often written bytes have gone to a decoder; a write of the bytes the
  // box already holds decodes them again.
  int decode_count() const { return decode_count_; }

 private:
  explicit PicBox(COLORREF background);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  void OnPaint();
  void OnDestroy();
  void OnNcDestroy();
  void DecodeStoredBytes();
  void ReleasePicture();

  UniqueWindow window_;
  COLORREF background_;
  UniqueBrush background_brush_;
  Block stored_;
  std::optional<DecodedPicture> picture_;
  std::unique_ptr<GifAnimation> gif_;
  int decode_count_ = 0;
};

}  // namespace quorvane
