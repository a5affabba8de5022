#pragma once
// The program keeps its texts as code page 936 bytes; windows take UTF-16.
// Converting explicitly at the window boundary makes the window read the
// same on a Windows of any system locale.

#include <string>
#include <string_view>

namespace quorvane {

std::wstring WideFromCp936(std::string_view text);
std::string Cp936FromWide(std::wstring_view text);

}  // namespace quorvane
