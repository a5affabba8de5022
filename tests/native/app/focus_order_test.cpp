#include "app/portable/focus_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvane {
namespace {

ControlDescription Control(ControlKind kind, bool tab_stop, std::int32_t tab_order) {
  ControlDescription control{.id = 1, .name = "", .kind = kind, .left = 0, .top = 0, .width = 1,
                             .height = 1, .tab_stop = tab_stop, .tab_order = tab_order,
                             .properties = PicBoxProperties{}};
  return control;
}

WindowDescription Window(std::span<const ControlDescription> controls) {
  WindowDescription window{};
  window.controls = controls;
  return window;
}

const FocusAvailability kAllAvailable = [](std::size_t) { return true; };

TEST(FocusOrderTest, MainWindowStartsInTheEditBoxAndTabsBetweenEditBoxAndButton) {
  // Description order: 标签2, 图片框1, 按钮1, 标签1, 编辑框1.
  EXPECT_EQ(InitialFocus(kMainWindow, kAllAvailable), 4u);
  EXPECT_EQ(TabOrder(kMainWindow, kAllAvailable), (std::vector<std::size_t>{4, 2}));
  EXPECT_EQ(NextInTabOrder(kMainWindow, kAllAvailable, 4, true), 2u);
  EXPECT_EQ(NextInTabOrder(kMainWindow, kAllAvailable, 2, true), 4u);
  EXPECT_EQ(NextInTabOrder(kMainWindow, kAllAvailable, 4, false), 2u);
  EXPECT_EQ(NextInTabOrder(kMainWindow, kAllAvailable, 2, false), 4u);
}

TEST(FocusOrderTest, RulesOverATableOfDescriptions) {
  using K = ControlKind;
  struct Case {
    const char* what;
    std::vector<ControlDescription> controls;
    std::vector<std::size_t> unavailable;
    std::optional<std::size_t> initial;
    std::vector<std::size_t> order;
  };
  const Case cases[] = {
      {"lowest number wins",
       {Control(K::kButton, true, 2), Control(K::kEditBox, true, 1), Control(K::kButton, true, 3)},
       {}, 1, {1, 0, 2}},
      {"equal numbers: latest in the description first",
       {Control(K::kButton, true, 0), Control(K::kEditBox, true, 0), Control(K::kButton, true, 0)},
       {}, 2, {2, 1, 0}},
      {"labels and picture boxes never take the focus, even as tab stops",
       {Control(K::kLabel, true, 0), Control(K::kPicBox, true, 0), Control(K::kEditBox, true, 5)},
       {}, 2, {2}},
      {"controls that are no tab stops are left out",
       {Control(K::kEditBox, false, 0), Control(K::kButton, true, 1)}, {}, 1, {1}},
      {"hidden or disabled controls are left out",
       {Control(K::kEditBox, true, 0), Control(K::kButton, true, 1)}, {0}, 1, {1}},
      {"nothing to focus", {Control(K::kLabel, false, 0)}, {}, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const WindowDescription window = Window(c.controls);
    const FocusAvailability available = [&](std::size_t i) {
      return std::find(c.unavailable.begin(), c.unavailable.end(), i) == c.unavailable.end();
    };
    EXPECT_EQ(InitialFocus(window, available), c.initial);
    EXPECT_EQ(TabOrder(window, available), c.order);
  }
}

TEST(FocusOrderTest, TabFromOutsideTheOrderGoesToItsEnds) {
  const ControlDescription controls[] = {Control(ControlKind::kButton, true, 1),
                                         Control(ControlKind::kEditBox, true, 2),
                                         Control(ControlKind::kLabel, false, 0)};
  const WindowDescription window = Window(controls);
  EXPECT_EQ(NextInTabOrder(window, kAllAvailable, std::nullopt, true), 0u);
  EXPECT_EQ(NextInTabOrder(window, kAllAvailable, 2, false), 1u);
  const ControlDescription labels[] = {Control(ControlKind::kLabel, false, 0)};
  EXPECT_EQ(NextInTabOrder(Window(labels), kAllAvailable, 0, true), std::nullopt);
}

}  // namespace
}  // namespace quorvane
