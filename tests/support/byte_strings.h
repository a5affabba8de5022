#pragma once
// Byte runs as strings, for comparing what came back with what was sent.

#include <cstddef>
#include <string>

#include "app/portable/block.h"

namespace quorvane::testing {

inline std::string AsString(const Block& block) {
  return std::string(reinterpret_cast<const char*>(block.data()), block.size());
}

// Bytes 0, 1, ..., 250, 0, 1, ...: binary, and no chunk boundary of a round
// size lines up with the period (the scripted server's {"counter": N} body).
inline std::string CountingBytes(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

}  // namespace quorvane::testing
