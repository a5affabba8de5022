#pragma once
// Drawing a decoded still picture at its natural size in the upper left
// corner of a paint context.

#include <windows.h>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

// Halftone on displays deeper than 16 bits per pixel, else colour-on-colour.
void SetStretchModeForDisplay(HDC dc);

// Makes a device bitmap from the picture for this one paint and copies it to
// (0, 0); draws nothing when the bitmap can't be made. PNG pixels are blended
// over `background` on a copy.
void PaintStillPicture(HDC dc, const DecodedPicture& picture, COLORREF background);

}  // namespace quorvane
