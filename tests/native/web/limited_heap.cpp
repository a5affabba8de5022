// Replaces the program's block functions for this test program: with every
// one of them defined here, the linker takes none from the application
// library.
#include "tests/native/web/limited_heap.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "app/portable/block.h"
#include "app/portable/texts.h"

namespace quorvane {

namespace {
std::size_t largest_block = std::numeric_limits<std::size_t>::max();
}

void* TryAllocateBlock(std::size_t size) {
  return size > largest_block ? nullptr : std::malloc(size ? size : 1);
}

void* AllocateBlock(std::size_t size) {
  void* block = TryAllocateBlock(size);
  if (!block) {
    // Reaching this is the fault under test: the fetch must never end the
    // process for want of memory.
    std::fprintf(stderr, "AllocateBlock(%zu) ran out of memory\n", size);
    std::abort();
  }
  return block;
}

void* TryResizeBlock(void* block, std::size_t size) {
  return size > largest_block ? nullptr : std::realloc(block, size ? size : 1);
}

void ReleaseBlock(const void* block) {
  if (block && !IsConstantText(block)) std::free(const_cast<void*>(block));
}

namespace testing {
void SetLargestBlock(std::size_t size) { largest_block = size; }
LargestBlockScope::~LargestBlockScope() { SetLargestBlock(std::numeric_limits<std::size_t>::max()); }
}  // namespace testing

}  // namespace quorvane
