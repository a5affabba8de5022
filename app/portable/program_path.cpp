#include "app/portable/program_path.h"

namespace quorvane {

bool IsCodePage936LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

ProgramPath SplitProgramPath(std::string_view path, const LeadByteTest& is_lead_byte) {
  std::string_view::size_type last_backslash = std::string_view::npos;
  for (std::string_view::size_type i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte == '\\') last_backslash = i;
    else if (is_lead_byte(byte) && i + 1 < path.size()) ++i;
  }
  if (last_backslash == std::string_view::npos) return {{}, path};
  return {path.substr(0, last_backslash), path.substr(last_backslash + 1)};
}

}  // namespace quorvane
