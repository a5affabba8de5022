// Blocks on the process heap.
#include <windows.h>

#include <cstdio>

#include "app/portable/block.h"
#include "app/portable/texts.h"
#include "app/win32/runtime_error.h"

namespace quorvane {

void* TryAllocateBlock(std::size_t size) {
  return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

void* AllocateBlock(std::size_t size) {
  void* block = TryAllocateBlock(size);
  if (!block) {
    char message[64];
    std::snprintf(message, sizeof message, kTexts.OutOfMemory, static_cast<int>(size));
    ReportRuntimeError(message, 0, 0, 0);
  }
  return block;
}

void* TryResizeBlock(void* block, std::size_t size) {
  return HeapReAlloc(GetProcessHeap(), 0, block, size ? size : 1);
}

void ReleaseBlock(const void* block) {
  if (block && !IsConstantText(block)) HeapFree(GetProcessHeap(), 0, const_cast<void*>(block));
}

}  // namespace quorvane
