#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "app/portable/window_description.h"
#include "app/win32/application.h"
#include "app/win32/load_window.h"
#include "app/win32/loaded_window.h"
#include "tests/windows/support/window_test_support.h"

namespace quorvane::testing {

// Child-window identifiers in creation order, last control first.
inline constexpr int kEditBoxChild = 100;
inline constexpr int kProductIdLabelChild = 110;
inline constexpr int kButtonChild = 120;
inline constexpr int kPictureBoxChild = 130;
inline constexpr int kScanHintChild = 140;

// Handlers that record their calls, bound where the program binds its own.
struct RecordedEvents {
  int clicks = 0;
  int double_clicks = 0;
  std::int32_t last_x = -1, last_y = -1, last_keys = -1;
  HandlerResult double_click_result;  // what the double-click handler returns
};
inline RecordedEvents recorded;

inline HandlerResult RecordClick(std::span<const std::int32_t>) {
  ++recorded.clicks;
  return std::nullopt;
}
inline HandlerResult RecordDoubleClick(std::span<const std::int32_t> arguments) {
  ++recorded.double_clicks;
  recorded.last_x = arguments[0];
  recorded.last_y = arguments[1];
  recorded.last_keys = arguments[2];
  return recorded.double_click_result;
}
inline Handler RecordingResolver(HandlerName name) {
  switch (name) {
    case HandlerName::kConvertClick: return &RecordClick;
    case HandlerName::kProductIdDoubleClick: return &RecordDoubleClick;
    default: return nullptr;
  }
}

// Loads the real MainWindow as the program does, with recording handlers.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded = {};
    // A clean-up before holds events for good; each test is a new start.
    Application().event_hold_count = 0;
    const WindowDescription* const descriptions[] = {&kMainWindow};
    InitializeApplication(descriptions, resolver_);
    LoadWindow(kMainWindow);
    Pump();
    main_ = Application().windows.front().loaded->window();
  }
  void TearDown() override {
    CleanUpApplication();
    Pump(50);
  }

  HWND Main() const { return main_; }
  HWND Child(int child_id) const { return GetDlgItem(main_, child_id); }

  HandlerResolver resolver_ = RecordingResolver;
  HWND main_ = nullptr;
};

}  // namespace quorvane::testing
