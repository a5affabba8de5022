// Blocks on the C heap, for the native build of the portable logic.
#include <cstdio>
#include <cstdlib>

#include "../portable/block.h"
#include "../portable/texts.h"

namespace quorvane {

void* TryAllocateBlock(std::size_t size) { return std::malloc(size ? size : 1); }

void* AllocateBlock(std::size_t size) {
  void* block = TryAllocateBlock(size);
  if (!block) {
    std::fprintf(stderr, "out of memory allocating %zu bytes\n", size);
    std::abort();
  }
  return block;
}

void* TryResizeBlock(void* block, std::size_t size) { return std::realloc(block, size ? size : 1); }

void ReleaseBlock(const void* block) {
  if (block && !IsConstantText(block)) std::free(const_cast<void*>(block));
}

}  // namespace quorvane
