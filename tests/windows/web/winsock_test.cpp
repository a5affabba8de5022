// The web module starts Windows Sockets while the program's static data is
// set up, before main runs: this program never calls WSAStartup itself.
#include <winsock2.h>

#include <gtest/gtest.h>

namespace {

TEST(WinsockTest, SocketsAreStartedBeforeMain) {
  const SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  EXPECT_NE(probe, INVALID_SOCKET) << "WSAGetLastError " << WSAGetLastError();
  if (probe != INVALID_SOCKET) closesocket(probe);
}

}  // namespace
