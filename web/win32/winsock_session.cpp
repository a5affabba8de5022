#include "web/win32/winsock_session.h"

#include <winsock2.h>

namespace quorvane {

namespace {
constexpr WORD kVersion11 = MAKEWORD(1, 1);
}

WinsockSession::WinsockSession() {
  WSADATA data{};
  if (WSAStartup(kVersion11, &data) != 0) return;
  if (data.wVersion != kVersion11) {
    WSACleanup();
    return;
  }
  started_ = true;
}

WinsockSession::~WinsockSession() {
  if (started_) WSACleanup();
}

}  // namespace quorvane
