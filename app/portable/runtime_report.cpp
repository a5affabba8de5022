#include "app/portable/runtime_report.h"

#include <cstdio>

#include "app/portable/texts.h"

namespace quorvane {
namespace {

std::string Decimal(std::int32_t value) { return std::to_string(value); }

}  // namespace

std::string BuildLocationText(const ErrorLocation& location) {
  std::string text = "\r\n" + Decimal(location.window) + ", " + Decimal(location.control);
  if (location.window != 0) {
    if (!location.window_loaded) text += kTexts.WindowNotFound;
    else if (location.control != 0 && !location.control_found) text += kTexts.ControlNotFound;
  }
  return text + "\r\n";
}

std::string BuildReportText(std::string_view message, std::int32_t code,
                            const ErrorLocation& location) {
  std::string text = kTexts.ReportHeading;
  if (code != 0) text += kTexts.ReportCodeLead + Decimal(code) + "\r\n";
  if (!message.empty()) {
    text += kTexts.ReportMessageLead;
    text += message;
    text += "\r\n";
  }
  return text + BuildLocationText(location);
}

std::string OutOfMemoryMessage(std::size_t size) {
  char message[sizeof kTexts.OutOfMemory + 16];
  // The size is shown as the signed 32-bit number the report has always shown.
  std::snprintf(message, sizeof message, kTexts.OutOfMemory,
                static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(size))));
  return message;
}

}  // namespace quorvane
