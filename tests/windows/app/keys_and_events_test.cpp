// Keys and input events as a person gives them: Tab, Shift+Tab, Enter and
// Esc, and double-clicks on the edit box's text band and on its strips.
#include "tests/windows/app/main_window_fixture.h"

namespace quorvane::testing {
namespace {

TEST_F(MainWindowTest, TabMovesBetweenEditBoxAndButtonOnly) {
  ASSERT_EQ(GetFocus(), Child(kEditBoxChild));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Child(kButtonChild));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Child(kEditBoxChild));
  PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(GetFocus(), Child(kButtonChild));
  PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(GetFocus(), Child(kEditBoxChild));
  EXPECT_EQ(recorded.clicks, 0);
}

TEST_F(MainWindowTest, EnterDoesNothingWhereverTheFocusIs) {
  for (int child : {kEditBoxChild, kButtonChild}) {
    SetFocus(Child(child));
    PressKey(VK_RETURN);
    EXPECT_EQ(GetFocus(), Child(child));
  }
  EXPECT_EQ(recorded.clicks, 0);
  EXPECT_EQ(TextOf(Child(kEditBoxChild)), L"100011528666");
}

TEST_F(MainWindowTest, SpaceOnTheFocusedButtonClicksIt) {
  SetFocus(Child(kButtonChild));
  PressKey(VK_SPACE);
  EXPECT_EQ(recorded.clicks, 1);
}

TEST_F(MainWindowTest, EscClosesTheWindowFromEitherControl) {
  PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), Child(kButtonChild));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(Main()));
  EXPECT_FALSE(AnyWindowLoaded());
}

TEST_F(MainWindowTest, EditBoxTextLineIsABandCentredInTheBox) {
  HWND edit = Child(kEditBoxChild);
  RECT band{};
  GetClientRect(edit, &band);
  HDC dc = GetDC(edit);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  SIZE w{};
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  ReleaseDC(edit, dc);
  EXPECT_EQ(band.bottom - band.top, w.cy);

  // Above and below the band equal strips (give or take the odd pixel)
  // inside the sunken edge.
  RECT outer{};
  GetWindowRect(edit, &outer);
  POINT band_top{0, 0};
  ClientToScreen(edit, &band_top);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int above = band_top.y - outer.top - edge;
  const int below = outer.bottom - edge - (band_top.y + w.cy);
  EXPECT_GT(above, 0);
  EXPECT_LE(std::abs(above - below), 1);
  // The strips show the box's white background.
  EXPECT_EQ(SendMessageW(edit, WM_NCHITTEST, 0, MAKELPARAM(outer.left + 20, outer.top + edge + 1)), HTBORDER);
}

TEST_F(MainWindowTest, DoubleClickOnTheStripReachesNothing) {
  HWND edit = Child(kEditBoxChild);
  RECT outer{};
  GetWindowRect(edit, &outer);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  ClickAt({outer.left + 30, outer.top + edge + 1}, true);
  EXPECT_EQ(recorded.double_clicks, 0);
  EXPECT_EQ(TextOf(edit), L"100011528666");
}

TEST_F(MainWindowTest, DoubleClickOnTheTextRaisesTheEventBeforeTheBoxSelects) {
  HWND edit = Child(kEditBoxChild);
  ClickAt(ScreenPointOf(edit, 20, 3), true);
  ASSERT_EQ(recorded.double_clicks, 1);
  EXPECT_EQ(recorded.last_x, 20);
  EXPECT_EQ(recorded.last_y, 3);
  EXPECT_EQ(recorded.last_keys, 0);
  // No value returned: the box's own double-click selects the word.
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 12u);
}

TEST_F(MainWindowTest, DoubleClickHandlerReturningZeroKeepsTheMessageFromTheBox) {
  recorded.double_click_result = 0;
  HWND edit = Child(kEditBoxChild);
  ClickAt(ScreenPointOf(edit, 20, 3), true);
  ASSERT_EQ(recorded.double_clicks, 1);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 0u) << "the box saw no double-click";
}

TEST_F(MainWindowTest, DoubleClickArgumentsCarryTheModifierKeys) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  ClickAt(ScreenPointOf(Child(kEditBoxChild), 5, 2), true);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(recorded.last_keys, 3);
}

}  // namespace
}  // namespace quorvane::testing
