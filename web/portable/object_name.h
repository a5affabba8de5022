#pragma once
// The request target: the URL's path with its query, without any "#" part,
// which names a place inside the answer and is never sent.

#include <cstddef>
#include <string_view>

namespace quorvane {

// The length of the part before the first "#"; the whole length without one.
std::size_t ObjectNameLength(std::string_view url_path);

}  // namespace quorvane
