#include "block.h"

#include <cstring>
#include <utility>

namespace quorvane {

Block::Block(Block&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

Block& Block::operator=(Block&& other) noexcept {
  if (this != &other) {
    ReleaseBlock(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

Block::~Block() { ReleaseBlock(data_); }

Block Block::Allocate(std::size_t size) {
  return Block(static_cast<std::uint8_t*>(AllocateBlock(size)), size);
}

Block Block::TryAllocate(std::size_t size) {
  auto* data = static_cast<std::uint8_t*>(TryAllocateBlock(size));
  return data ? Block(data, size) : Block();
}

Block Block::CopyOf(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Block();
  Block copy = Allocate(bytes.size());
  std::memcpy(copy.data_, bytes.data(), bytes.size());
  return copy;
}

Block Block::Adopt(void* block, std::size_t size) {
  return Block(static_cast<std::uint8_t*>(block), block ? size : 0);
}

bool Block::TryResize(std::size_t size) {
  void* resized = data_ ? TryResizeBlock(data_, size) : TryAllocateBlock(size);
  if (!resized) return false;
  data_ = static_cast<std::uint8_t*>(resized);
  size_ = size;
  return true;
}

void* Block::Release() {
  size_ = 0;
  return std::exchange(data_, nullptr);
}

Text Text::Copy(std::string_view text) { return Join({text}); }

Text Text::Join(std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  Block block = Block::Allocate(length + 1);
  char* out = reinterpret_cast<char*>(block.data());
  for (std::string_view part : parts) {
    if (part.empty()) continue;  // a missing part has no bytes to copy
    std::memcpy(out, part.data(), part.size());
    out += part.size();
  }
  *out = '\0';
  return Text(std::move(block));
}

std::string_view Text::view() const {
  return block_.missing() ? std::string_view() : std::string_view(c_str());
}

const char* Text::c_str() const {
  return block_.missing() ? "" : reinterpret_cast<const char*>(block_.data());
}

}  // namespace quorvane
