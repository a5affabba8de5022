// Text of the edit box through GetProperty and SetProperty, the message box,
// and the run-time error report that ends the process.
#include <string>
#include <thread>

#include "app/portable/texts.h"
#include "app/win32/message_box.h"
#include "app/win32/properties.h"
#include "tests/windows/app/main_window_fixture.h"

namespace quorvane::testing {
namespace {

Text ReadText() {
  return std::get<Text>(GetProperty(kMainWindowId, control_id::kProductIdBox, property::kEditBoxText));
}
void WriteText(Text text) {
  SetProperty(kMainWindowId, control_id::kProductIdBox, property::kEditBoxText, -1, std::move(text));
}

// Counts WM_SETTEXT messages that reach one window.
class SetTextCounter {
 public:
  explicit SetTextCounter(HWND window) {
    target_ = window;
    count_ = 0;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  }
  ~SetTextCounter() { UnhookWindowsHookEx(hook_); }
  int count() const { return count_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && message->hwnd == target_ && message->message == WM_SETTEXT) ++count_;
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline HWND target_;
  static inline int count_;
  HHOOK hook_;
};

TEST_F(MainWindowTest, ReadingTextGivesANewBlockOrTheMissingText) {
  Text text = ReadText();
  EXPECT_EQ(text.view(), "100011528666");
  EXPECT_EQ(text.block_size(), 13u);
  WriteText(Text());
  EXPECT_TRUE(ReadText().missing());
}

TEST_F(MainWindowTest, WritingTextAlwaysSetsItEvenWhenUnchanged) {
  SetTextCounter counter(Child(kEditBoxChild));
  WriteText(Text::Copy(""));
  WriteText(Text());
  EXPECT_EQ(counter.count(), 2);
  EXPECT_EQ(TextOf(Child(kEditBoxChild)), L"");
}

TEST_F(MainWindowTest, TextsAreCodePage936InsideAndReadRightInTheWindow) {
  WriteText(Text::Copy(Cp936(u8"商品 A-1")));
  EXPECT_EQ(TextOf(Child(kEditBoxChild)), Wide(u8"商品 A-1"));
  EXPECT_EQ(ReadText().view(), Cp936(u8"商品 A-1"));
}

TEST_F(MainWindowTest, MessageBoxIsTaskModalWithItsDefaultCaptionAndMapsOkToZero) {
  struct Seen {
    std::wstring caption;
    std::vector<std::wstring> texts;
    bool main_window_enabled = true;
    bool has_icon = true;
  } seen;
  std::thread user([&seen, main = Main()] {
    HWND box = nullptr;
    for (int i = 0; i < 300 && !box; ++i, Sleep(20)) box = FindMessageBox(GetCurrentProcessId());
    if (!box) return;
    Sleep(300);  // the box disables the thread's windows as it opens
    seen.caption = TextOf(box);
    seen.texts = MessageBoxTexts(box);
    seen.main_window_enabled = IsWindowEnabled(main);
    seen.has_icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0)) {
        seen.has_icon = true;
      }
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  const std::int32_t choice = ShowMessageBox(kTexts.EmptyProductIdMessage, MB_OK);
  user.join();
  EXPECT_EQ(choice, 0);
  EXPECT_EQ(seen.caption, Wide(u8"信息："));
  ASSERT_FALSE(seen.texts.empty());
  EXPECT_EQ(seen.texts.back(), Wide(u8"请输入产品ID在生存二维码"));
  EXPECT_FALSE(seen.main_window_enabled) << "task-modal: the window takes no input";
  EXPECT_FALSE(seen.has_icon);
  EXPECT_TRUE(IsWindowEnabled(Main()));
}

TEST(ShowMessageBoxTest, ChoicesComeBackAsTheProgramNumbersThem) {
  const std::pair<UINT, int> buttons_and_expected[] = {{MB_YESNO, 6}, {MB_RETRYCANCEL, 1}};
  for (auto [buttons, expected] : buttons_and_expected) {
    std::thread user([buttons = buttons] {
      HWND box = nullptr;
      for (int i = 0; i < 300 && !box; ++i, Sleep(20)) box = FindMessageBox(GetCurrentProcessId());
      PostMessageW(box, WM_COMMAND, buttons == MB_YESNO ? IDNO : IDCANCEL, 0);
    });
    EXPECT_EQ(ShowMessageBox("?", buttons, "caption"), expected);
    user.join();
  }
}

// The run-time error report ends the process, so it runs in a child: this
// test program started again with an argument that makes it load the window
// and ask the heap for more than it has.
constexpr wchar_t kChildArgument[] = L"--exhaust-memory";

TEST(RuntimeErrorReportTest, OutOfMemoryShowsTheReportAndExitsWithMinusOne) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = std::wstring(L"\"") + self + L"\" " + kChildArgument;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));

  HWND box = nullptr;
  for (int i = 0; i < 500 && !box; ++i, Sleep(20)) box = FindMessageBox(child.dwProcessId);
  ASSERT_TRUE(box);
  EXPECT_EQ(TextOf(box), Wide(u8"错误"));
  const std::vector<std::wstring> texts = MessageBoxTexts(box);
  ASSERT_FALSE(texts.empty());
  const std::wstring size_shown = sizeof(void*) == 8 ? L"123" : L"-256";
  EXPECT_EQ(texts.back(), Wide(u8"运行时出错!\r\n\r\n错误信息：分配 ") + size_shown +
                              Wide(u8" 字节内存失败!\r\n\r\n0, 0\r\n"));
  bool has_icon = false;
  for (HWND child_window = GetWindow(box, GW_CHILD); child_window; child_window = GetWindow(child_window, GW_HWNDNEXT)) {
    has_icon |= (GetWindowLongPtrW(child_window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                SendMessageW(child_window, STM_GETICON, 0, 0) != 0;
  }
  EXPECT_TRUE(has_icon) << "the stop icon";
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  ASSERT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exit_code = 0;
  GetExitCodeProcess(child.hProcess, &exit_code);
  EXPECT_EQ(exit_code, 0xFFFFFFFFu);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
}

}  // namespace

// Runs in the child process: the program's start-up, then an allocation the
// heap must refuse. Its size shows as 123 in the report (the report prints
// the low 32 bits as a signed number).
int ExhaustMemoryInChild() {
  const WindowDescription* const descriptions[] = {&kMainWindow};
  InitializeApplication(descriptions, RecordingResolver);
  LoadWindow(kMainWindow);
  Pump();
  // Near the top of the address space, so the heap refuses at once.
  constexpr std::size_t kImpossible = sizeof(std::size_t) == 8 ? ~std::size_t{0xFFFFFFFF} + 123 : 0xFFFFFF00u;
  AllocateBlock(kImpossible);
  return 0;  // not reached
}

}  // namespace quorvane::testing

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--exhaust-memory") return quorvane::testing::ExhaustMemoryInChild();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
