#pragma once
// The program's literal texts as code page 936 bytes (generated from
// texts.def), and the address range they occupy.

#include "texts_cp936.h"

namespace quorvane {

inline bool IsConstantText(const void* address) {
  const auto* begin = reinterpret_cast<const char*>(&kTexts);
  const auto* p = static_cast<const char*>(address);
  return p >= begin && p < begin + sizeof(kTexts);
}

}  // namespace quorvane
