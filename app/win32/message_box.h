#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// Shows a Windows message box and returns the user's choice as the program
// numbers it (0 for OK and for a box that could not be shown). Without a
// caption the box is headed "信息：".
std::int32_t ShowMessageBox(std::string_view message, std::uint32_t buttons,
                            std::optional<std::string_view> caption = std::nullopt,
                            HWND owner = nullptr);

}  // namespace quorvane
