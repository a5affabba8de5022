#include "picture/win32/gif_animation.h"

namespace quorvane {

std::unique_ptr<GifAnimation> GifAnimation::Load(HWND, std::span<const std::uint8_t>, COLORREF) {
  return nullptr;
}

// No animation is ever loaded yet, so there is nothing to draw or to stop.
void GifAnimation::Paint(HDC) {}
void GifAnimation::Stop() {}

}  // namespace quorvane
