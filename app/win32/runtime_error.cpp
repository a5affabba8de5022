#include "app/win32/runtime_error.h"

#include <windows.h>

namespace quorvane {

void ReportRuntimeError(std::string_view, std::int32_t, std::int32_t, std::int32_t) {
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace quorvane
