// MainWindow as loaded from its description: place, styles, controls,
// stacking, focus and the first paint.
#include <string>

#include "tests/windows/app/main_window_fixture.h"

namespace quorvane::testing {
namespace {

TEST_F(MainWindowTest, OpensCentredWithItsFixedOuterSize) {
  RECT outer{};
  GetWindowRect(Main(), &outer);
  EXPECT_EQ(outer.right - outer.left, 345);
  EXPECT_EQ(outer.bottom - outer.top, 474);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 345) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 474) / 2);
  EXPECT_EQ(TextOf(Main()), L"Quorvane");
  EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr) << "a window of its own in the taskbar";
  EXPECT_TRUE(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0));
  EXPECT_TRUE(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0));
}

TEST_F(MainWindowTest, WindowStyleIsAFixedFrameWithMinimiseAndClose) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Main(), GWL_STYLE));
  EXPECT_EQ(style & 0x02CA0000u, 0x02CA0000u);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0u);
  EXPECT_TRUE(style & WS_VISIBLE);
  const auto extended = static_cast<DWORD>(GetWindowLongPtrW(Main(), GWL_EXSTYLE));
  EXPECT_EQ(extended & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CLIENTEDGE), 0u);
}

TEST_F(MainWindowTest, ControlsHaveTheirClassesStylesBordersAndPlaces) {
  struct Expected {
    int child;
    std::wstring class_name;  // empty: the program's own class
    DWORD style;
    DWORD extended_style;
    RECT place;
    std::wstring text;
  };
  const Expected controls[] = {
      {kEditBoxChild, L"Edit", 0x44010080, WS_EX_CLIENTEDGE, {64, 23, 248, 55}, L"100011528666"},
      {kProductIdLabelChild, L"", 0x44000000, 0, {8, 26, 56, 50}, Wide(u8"产品ID：")},
      {kButtonChild, L"Button", 0x44012F00, 0, {256, 22, 328, 54}, Wide(u8"转换二维码")},
      {kPictureBoxChild, L"", 0x44000000, 0, {19, 72, 331, 408}, L""},
      {kScanHintChild, L"", 0x44000000, 0, {5, 376, 333, 440},
       Wide(u8"用VelmoAPP扫扫，直接进入商品结算页面，便于抢购！")},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.child);
    HWND control = Child(expected.child);
    ASSERT_TRUE(control);
    wchar_t class_name[64] = {};
    GetClassNameW(control, class_name, 64);
    if (!expected.class_name.empty()) {
      EXPECT_EQ(_wcsicmp(class_name, expected.class_name.c_str()), 0) << "class";
    }
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & ~WS_VISIBLE, expected.style);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE)), expected.extended_style);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, expected.place.left);
    EXPECT_EQ(place.top, expected.place.top);
    EXPECT_EQ(place.right, expected.place.right);
    EXPECT_EQ(place.bottom, expected.place.bottom);
    EXPECT_EQ(TextOf(control), expected.text);
  }
}

TEST_F(MainWindowTest, ControlsAreStackedInDescriptionOrder) {
  std::vector<int> top_to_bottom;
  for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    top_to_bottom.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(top_to_bottom, (std::vector<int>{140, 130, 120, 110, 100}));
}

TEST_F(MainWindowTest, StartsActiveWithTheCaretBeforeTheFirstDigit) {
  EXPECT_EQ(GetForegroundWindow(), Main());
  EXPECT_EQ(GetFocus(), Child(kEditBoxChild));
  DWORD start = 99, end = 99;
  SendMessageW(Child(kEditBoxChild), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

TEST_F(MainWindowTest, PaintsButtonFaceBehindTheControlsAndTheHintInRed) {
  const COLORREF button_face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(PixelAt(Main(), 2, 2), button_face);
  EXPECT_EQ(PixelAt(Main(), 340 - 10, 60), button_face);
  EXPECT_EQ(PixelAt(Child(kPictureBoxChild), 100, 100), button_face);

  // The hint wraps in the 24-pixel font from the label's upper left corner:
  // red text on both of its lines, button face around it.
  HWND hint = Child(kScanHintChild);
  auto red_pixels_in_rows = [&](int top, int bottom) {
    int red = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 328; x += 2) red += PixelAt(hint, x, y) == RGB(255, 0, 0);
    return red;
  };
  EXPECT_GT(red_pixels_in_rows(0, 30), 20);
  EXPECT_GT(red_pixels_in_rows(32, 62), 20);
  EXPECT_EQ(PixelAt(hint, 327, 63), button_face);
}

TEST_F(MainWindowTest, TheButtonClickReachesItsHandlerUnlessEventsAreHeld) {
  ClickAt(ScreenPointOf(Child(kButtonChild), 36, 16));
  EXPECT_EQ(recorded.clicks, 1);
  ++Application().event_hold_count;
  ClickAt(ScreenPointOf(Child(kButtonChild), 36, 16));
  --Application().event_hold_count;
  EXPECT_EQ(recorded.clicks, 1);
}

}  // namespace
}  // namespace quorvane::testing
