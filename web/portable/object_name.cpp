#include "web/portable/object_name.h"

namespace quorvane {

std::size_t ObjectNameLength(std::string_view url_path) {
  const std::size_t hash = url_path.find('#');
  return hash == std::string_view::npos ? url_path.size() : hash;
}

}  // namespace quorvane
