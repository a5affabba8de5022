#pragma once
// Blocks: the memory that texts and byte buffers travel in between the parts
// of the program. Every block comes from the process heap and is released
// exactly once, which the move-only Block owner guarantees.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvane {

// Never returns null: when the heap is exhausted the process ends with the
// run-time error report.
void* AllocateBlock(std::size_t size);
// Returns null when the heap is exhausted, for callers that must carry on
// whatever the data asks for (decoders, the web fetch).
void* TryAllocateBlock(std::size_t size);
// Grows or shrinks a block in place or by moving it; null on failure, in
// which case the old block is untouched.
void* TryResizeBlock(void* block, std::size_t size);
// Ignores null and the program's literal texts.
void ReleaseBlock(const void* block);

class Block {
 public:
  Block() = default;
  Block(Block&& other) noexcept;
  Block& operator=(Block&& other) noexcept;
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  ~Block();

  static Block Allocate(std::size_t size);
  static Block TryAllocate(std::size_t size);
  // A new block holding a copy of the bytes; the missing block for none.
  static Block CopyOf(std::span<const std::uint8_t> bytes);
  // Takes over a block from AllocateBlock.
  static Block Adopt(void* block, std::size_t size);

  bool TryResize(std::size_t size);
  // Hands the block over to a caller that will release it itself.
  void* Release();

  bool empty() const { return size_ == 0; }
  bool missing() const { return data_ == nullptr; }
  std::size_t size() const { return size_; }
  std::uint8_t* data() { return data_; }
  const std::uint8_t* data() const { return data_; }
  std::span<std::uint8_t> bytes() { return {data_, size_}; }
  std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

 private:
  Block(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

// A text: zero-terminated code page 936 bytes in a block, or the missing
// text, which means the same as "".
class Text {
 public:
  Text() = default;
  // A new block of the text's length plus one, even for "".
  static Text Copy(std::string_view text);
  // Concatenation into one new block; missing parts count as "".
  static Text Join(std::initializer_list<std::string_view> parts);

  bool missing() const { return block_.missing(); }
  // The missing text and "" are both empty; blanks are not.
  bool empty() const { return view().empty(); }
  std::string_view view() const;
  const char* c_str() const;  // "" for the missing text
  std::size_t block_size() const { return block_.size(); }

 private:
  explicit Text(Block block) : block_(std::move(block)) {}
  Block block_;
};

}  // namespace quorvane
