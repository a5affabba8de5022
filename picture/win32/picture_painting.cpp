#include "picture/win32/picture_painting.h"

#include <optional>

#include "app/win32/handles.h"
#include "picture/portable/device_pixels.h"
#include "picture/portable/stretch_mode.h"

namespace quorvane {
namespace {

// height > 0 means bottom-up rows, height < 0 top-down.
UniqueBitmap MakeBitmapFromDib(HDC dc, LONG width, LONG height, WORD bits_per_pixel, const Block& rows) {
  if (rows.missing()) return UniqueBitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits_per_pixel;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, rows.data(), &info, DIB_RGB_COLORS));
}

UniqueBitmap MakeDeviceBitmap(HDC dc, const DecodedPicture& picture, COLORREF background) {
  switch (picture.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
      return MakeBitmapFromDib(dc, picture.width, picture.height, 24, PadRowsForDib24(picture));
    case PictureKind::kPng:
      return MakeBitmapFromDib(dc, picture.width, -picture.height, 32,
                               CompositeOverBackground(picture, background));
    default:
      // PCX and icons have no painting of their own yet.
      return UniqueBitmap();
  }
}

}  // namespace

void SetStretchModeForDisplay(HDC dc) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  std::optional<std::uint32_t> bits_per_pixel;
  if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) bits_per_pixel = mode.dmBitsPerPel;
  SetStretchBltMode(dc, ChooseStretchMode(bits_per_pixel) == StretchMode::kHalftone ? HALFTONE : COLORONCOLOR);
}

void PaintStillPicture(HDC dc, const DecodedPicture& picture, COLORREF background) {
  const UniqueBitmap bitmap = MakeDeviceBitmap(dc, picture, background);
  if (!bitmap) return;
  SetStretchModeForDisplay(dc);
  const UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  const SelectionScope selected(memory.get(), bitmap.get());
  StretchBlt(dc, 0, 0, picture.width, picture.height, memory.get(), 0, 0, picture.width, picture.height, SRCCOPY);
}

}  // namespace quorvane
