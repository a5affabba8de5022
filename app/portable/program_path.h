#pragma once
// Splits the program's full path (code page 936 bytes) into its folder and
// file name at the last backslash.

#include <functional>
#include <string_view>

namespace quorvane {

struct ProgramPath {
  std::string_view directory;  // up to, not including, the last backslash
  std::string_view file_name;  // after it; the whole path when there is none
};

// Whether a byte starts a double-byte character in the ANSI code page.
using LeadByteTest = std::function<bool(unsigned char)>;
// Code page 936: lead bytes run from 0x81 to 0xFE.
bool IsCodePage936LeadByte(unsigned char byte);

// Walks the path character by character, so that the second byte of a
// double-byte character (which may be 0x5C) is never taken for a backslash.
ProgramPath SplitProgramPath(std::string_view path,
                             const LeadByteTest& is_lead_byte = IsCodePage936LeadByte);

}  // namespace quorvane
