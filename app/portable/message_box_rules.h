#pragma once
// How ShowMessageBox turns its arguments into a MessageBox call and the
// system's answer into the program's choice number.

#include <cstdint>

namespace quorvane {

inline constexpr std::uint32_t kMessageBoxSystemModal = 0x1000;  // MB_SYSTEMMODAL
inline constexpr std::uint32_t kMessageBoxTaskModal = 0x2000;    // MB_TASKMODAL

// The buttons value, task-modal unless it asks to be system-modal.
std::uint32_t MessageBoxType(std::uint32_t buttons);

// IDOK 0, IDCANCEL 1, IDABORT 2, IDRETRY 3, IDIGNORE 4, IDYES 5, IDNO 6;
// anything else, a failure included, 0.
std::int32_t MessageBoxChoice(int message_box_result);

}  // namespace quorvane
