#include "app/win32/fonts.h"

#include <cstring>

namespace quorvane {

static_assert(sizeof(LOGFONTA) == kLogFontSize);

ControlFont::ControlFont(FontValue value) {
  if (value.size() != sizeof(LOGFONTA)) return;
  LOGFONTA font;
  std::memcpy(&font, value.data(), sizeof font);
  // Size, weight, style and face come from the value; the rest is left to
  // the system so that it picks a face for the default character set.
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  owned_.reset(CreateFontIndirectA(&font));
}

}  // namespace quorvane
