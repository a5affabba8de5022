// The small rules of the application: report texts, message box results,
// the program path split and the window geometry.
#include <gtest/gtest.h>

#include "app/portable/message_box_rules.h"
#include "app/portable/program_path.h"
#include "app/portable/runtime_report.h"
#include "app/portable/window_geometry.h"

namespace quorvane {
namespace {

// Code page 936 bytes, written out so that the tests do not share the
// program's own text table.
const std::string kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // 运行时出错!
const std::string kMessageLead = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
const std::string kCodeLead = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";     // 错误代码：
const std::string kWindowNotFound =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xCB\xF9\xD6\xB8\xB6\xA8\xB5\xC4\xB4\xB0\xBF\xDA";  // 未找到所指定的窗口

TEST(RuntimeReportTest, OutOfMemoryReportForA123ByteRequestIsFiveLines) {
  const std::string message = OutOfMemoryMessage(123);
  EXPECT_EQ(message, "\xB7\xD6\xC5\xE4 123 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
  EXPECT_EQ(BuildReportText(message, 0, {}),
            kHeading + "\r\n" + "\r\n" + kMessageLead + message + "\r\n" + "\r\n" + "0, 0\r\n");
}

TEST(RuntimeReportTest, CodeAndLocationLines) {
  EXPECT_EQ(BuildReportText("", -5, {.window = 0x52010001, .control = 7, .window_loaded = false}),
            kHeading + "\r\n" + "\r\n" + kCodeLead + "-5\r\n" + "\r\n1375797249, 7" +
                "\r\n" + kWindowNotFound + "\r\n");
  EXPECT_EQ(BuildLocationText({.window = 1, .control = 2, .window_loaded = true,
                               .control_found = false}),
            "\r\n1, 2\r\n" + kWindowNotFound + "\xD7\xE9\xBC\xFE\r\n");  // ...窗口组件
  EXPECT_EQ(BuildLocationText({.window = 1, .control = 2, .window_loaded = true,
                               .control_found = true}),
            "\r\n1, 2\r\n");
  EXPECT_EQ(BuildLocationText({.window = -2, .control = 0, .window_loaded = true}), "\r\n-2, 0\r\n");
}

TEST(RuntimeReportTest, HugeRequestsShowAsSignedNumbers) {
  EXPECT_NE(OutOfMemoryMessage(0xFFFFFFF0u).find(" -16 "), std::string::npos);
}

TEST(MessageBoxRulesTest, TypeIsTaskModalUnlessSystemModal) {
  EXPECT_EQ(MessageBoxType(0), 0x2000u);
  EXPECT_EQ(MessageBoxType(0x24), 0x2024u);
  EXPECT_EQ(MessageBoxType(0x1000), 0x1000u);
}

TEST(MessageBoxRulesTest, ChoiceNumbers) {
  const std::pair<int, int> table[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6},
                                       {0, 0}, {8, 0}, {10, 0}, {11, 0}, {-1, 0}};
  for (auto [result, choice] : table) EXPECT_EQ(MessageBoxChoice(result), choice) << result;
}

TEST(ProgramPathTest, SplitsAtTheLastRealBackslash) {
  struct Case {
    std::string path, directory, file_name;
  };
  const Case cases[] = {
      {"C:\\apps\\Quorvane.exe", "C:\\apps", "Quorvane.exe"},
      // 乗 is 81 5C in code page 936: its second byte is no backslash.
      {"C:\\apps\\\x81\x5C.exe", "C:\\apps", "\x81\x5C.exe"},
      {"C:\\\x81\x5C\\q.exe", "C:\\\x81\x5C", "q.exe"},
      {"Quorvane.exe", "", "Quorvane.exe"},
      {"C:\\", "C:", ""},
  };
  for (const Case& c : cases) {
    const ProgramPath split = SplitProgramPath(c.path);
    EXPECT_EQ(split.directory, c.directory) << c.path;
    EXPECT_EQ(split.file_name, c.file_name) << c.path;
  }
}

TEST(WindowGeometryTest, MainWindowAndControlStyles) {
  EXPECT_EQ(WindowStyle(kMainWindow), 0x02CA0000u);
  const std::uint32_t expected[] = {0x44000000, 0x44000000, 0x44012F00, 0x44000000, 0x44010080};
  for (std::size_t i = 0; i < kMainWindow.controls.size(); ++i) {
    EXPECT_EQ(ControlStyle(kMainWindow.controls[i]), expected[i]) << kMainWindow.controls[i].name;
  }
}

TEST(WindowGeometryTest, CentringTruncatesTowardZero) {
  EXPECT_EQ(CentredOrigin(1024, 768, 345, 474).x, 339);
  EXPECT_EQ(CentredOrigin(1024, 768, 345, 474).y, 147);
  EXPECT_EQ(CentredOrigin(300, 400, 345, 474).x, -22);  // -45 / 2
  EXPECT_EQ(CentredOrigin(300, 400, 345, 474).y, -37);  // -74 / 2
}

TEST(WindowGeometryTest, TextBandIsCentredInTheClientArea) {
  EXPECT_EQ(CentredTextBand(2, 30, 16).top, 8);
  EXPECT_EQ(CentredTextBand(2, 30, 16).bottom, 24);
  EXPECT_EQ(CentredTextBand(0, 15, 16).top, 0);  // -1 / 2 truncates to 0
}

}  // namespace
}  // namespace quorvane
