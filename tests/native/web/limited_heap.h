#pragma once
// A block heap for tests that must see memory run out: it refuses every
// block larger than a limit the test sets.

#include <cstddef>

namespace quorvane::testing {

void SetLargestBlock(std::size_t size);

// Lifts the limit again when the test ends.
class LargestBlockScope {
 public:
  explicit LargestBlockScope(std::size_t size) { SetLargestBlock(size); }
  ~LargestBlockScope();
};

}  // namespace quorvane::testing
