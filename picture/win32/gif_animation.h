#pragma once
// GIF playback in a picture box. GIF data is recognised but not played yet:
// Load refuses every GIF, so the box shows no picture for it.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

namespace quorvane {

class GifAnimation {
 public:
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  // The animation of the GIF in `bytes` for `window`, drawn over
  // `background`; null when the GIF is refused.
  static std::unique_ptr<GifAnimation> Load(HWND window, std::span<const std::uint8_t> bytes,
                                            COLORREF background);
  // Draws after the box has filled its background.
  void Paint(HDC dc);
  // Returns when no worker runs any more; called before the animation is
  // released.
  void Stop();

 private:
  GifAnimation() = default;
};

}  // namespace quorvane
