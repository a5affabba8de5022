#pragma once
// The program's literal texts as code page 936 bytes (generated from
// texts.def), and the address range they occupy.

#include <functional>

#include "texts_cp936.h"

namespace quorvane {

inline bool IsConstantText(const void* address) {
  // std::less orders any two addresses, also of unrelated objects.
  const std::less<const void*> before;
  const void* begin = &kTexts;
  const void* end = &kTexts + 1;
  return !before(address, begin) && before(address, end);
}

}  // namespace quorvane
