// The conversion handlers with the real web fetch and picture box, against
// a QR-code service stand-in on this machine. Runs inside the private
// network, where qr.quorvane.net is 127.0.0.1.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "app/win32/conversion_handlers.h"
#include "app/win32/properties.h"
#include "tests/support/byte_strings.h"
#include "tests/windows/app/main_window_fixture.h"

namespace quorvane::testing {
namespace {

// One HTTP exchange at a time on 127.0.0.1:80: records each request head,
// waits, answers with a fixed response and closes.
class StandInService {
 public:
  StandInService(std::string response, int delay_ms) : response_(std::move(response)), delay_ms_(delay_ms) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(80);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    listening_ = bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 listen(listener_, 4) == 0;
    if (listening_) worker_ = std::thread([this] { Serve(); });
  }
  ~StandInService() {
    closesocket(listener_);
    if (worker_.joinable()) worker_.join();
    WSACleanup();
  }
  bool listening() const { return listening_; }
  std::vector<std::string> requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    for (;;) {
      SOCKET connection = accept(listener_, nullptr, nullptr);
      if (connection == INVALID_SOCKET) return;
      std::string head;
      char buffer[4096];
      while (head.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        head.append(buffer, static_cast<std::size_t>(got));
      }
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(head);
      }
      Sleep(static_cast<DWORD>(delay_ms_));
      send(connection, response_.data(), static_cast<int>(response_.size()), 0);
      shutdown(connection, SD_BOTH);
      closesocket(connection);
    }
  }

  std::string response_;
  int delay_ms_;
  SOCKET listener_ = INVALID_SOCKET;
  bool listening_ = false;
  std::thread worker_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
};

std::string Response(const std::string& status, const std::string& body) {
  return "HTTP/1.0 " + status + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

Block Picture() {
  return std::get<Block>(GetProperty(kMainWindowId, control_id::kPictureBox, property::kPicBoxPicture));
}

class ConversionTest : public MainWindowTest {
 protected:
  ConversionTest() { resolver_ = ResolveConversionHandler; }
};

TEST_F(ConversionTest, ClickSendsOneEscapedRequestShowsTheWaitCursorAndHandsOverTheAnswer) {
  const std::string picture_bytes = "\x89PNG\r\n\x1A\n not really a picture";
  StandInService service(Response("200 OK", picture_bytes), 600);
  ASSERT_TRUE(service.listening());

  // The watcher shares the window thread's input state, so it sees the
  // cursor that thread sets while the fetch blocks it.
  const DWORD window_thread = GetCurrentThreadId();
  std::atomic<bool> saw_wait_cursor = false, watching = false, stop = false;
  std::thread watcher([&] {
    AttachThreadInput(GetCurrentThreadId(), window_thread, TRUE);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    watching = true;
    while (!stop) {
      if (GetCursor() == wait) saw_wait_cursor = true;
      Sleep(20);
    }
    AttachThreadInput(GetCurrentThreadId(), window_thread, FALSE);
  });
  while (!watching) Sleep(1);
  HandleConvertClick({});
  stop = true;
  watcher.join();

  const auto requests = service.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
            "GET /api.php?text=https%3A%2F%2Fm.velmo.com%2Fnorder%2Forder.action%3FwareId%3D100011528666"
            "%26wareNum%3D1%26enterOrder%3Dtrue HTTP/1.0");
  EXPECT_EQ(AsString(Picture()), picture_bytes);
  EXPECT_TRUE(saw_wait_cursor);
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
}

TEST_F(ConversionTest, AnErrorPageIsHandedOverAndAFailedFetchClearsThePicture) {
  {
    StandInService service(Response("404 Not Found", "<html>no</html>"), 0);
    HandleConvertClick({});
    EXPECT_EQ(AsString(Picture()), "<html>no</html>");
  }
  HandleConvertClick({});  // nothing listens any more
  EXPECT_TRUE(Picture().empty());
}

TEST_F(ConversionTest, AnEmptyIdentifierIsRefusedWithoutARequest) {
  StandInService service(Response("200 OK", "x"), 0);
  HandleProductIdDoubleClick({});
  EXPECT_EQ(TextOf(Child(kEditBoxChild)), L"");
  std::thread user([] {
    HWND box = nullptr;
    for (int i = 0; i < 300 && !box; ++i, Sleep(20)) box = FindMessageBox(GetCurrentProcessId());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  HandleConvertClick({});
  user.join();
  EXPECT_TRUE(service.requests().empty());
  EXPECT_TRUE(Picture().empty());
}

TEST_F(ConversionTest, IdentifiersWithBlanksAndLettersAreNotRefused) {
  StandInService service(Response("200 OK", "x"), 0);
  SetProperty(kMainWindowId, control_id::kProductIdBox, property::kEditBoxText, -1, Text::Copy("  "));
  HandleConvertClick({});
  ASSERT_EQ(service.requests().size(), 1u);
  EXPECT_NE(service.requests()[0].find("wareId%3D%20%20%26"), std::string::npos);
}

}  // namespace
}  // namespace quorvane::testing
