#include "app/win32/wide_text.h"

#include <windows.h>

namespace quorvane {
namespace {
constexpr UINT kCodePage936 = 936;
}

std::wstring WideFromCp936(std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(kCodePage936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage936, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Cp936FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(kCodePage936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage936, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace quorvane
