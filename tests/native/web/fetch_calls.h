#pragma once
// The call lines that RecordingInternet writes for each step of a fetch, so
// that tests spell out whole call sequences.

#include <cstdint>
#include <string>
#include <vector>

#include "tests/native/web/recording_internet.h"
#include "web/portable/internet_api.h"

namespace quorvane::testing {

inline std::string CanonicalizeCall(const std::string& url, std::uint32_t size = 2084) {
  return "CanonicalizeUrl(" + Quote(url.c_str()) + ", " + std::to_string(size) + ", 0x20000000)";
}
inline std::string CrackCall(const std::string& url) {
  return "CrackUrl(" + Quote(url.c_str()) + ", 0, 0, host 256, user 128, password 128, path 2048)";
}
inline const std::string kOpenCall =
    R"x(Open("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)", 1, null, null, 0))x";
inline std::string ConnectCall(const std::string& host, int port, const std::string& user,
                               const std::string& password, int service) {
  return "Connect(root, " + Quote(host.c_str()) + ", " + std::to_string(port) + ", " +
         Quote(user.c_str()) + ", " + Quote(password.c_str()) + ", " + std::to_string(service) +
         ", 0, 0)";
}
inline std::vector<std::string> ProxyCalls(int n = 1) {
  const std::string connection = "connection" + std::to_string(n);
  return {"SetOption(root, 38, proxy(0, null, null), " + std::to_string(sizeof(ProxyInfo)) + ")",
          "SetOption(" + connection + ", 43, \"\", 1)", "SetOption(" + connection + ", 44, \"\", 1)"};
}
inline std::string OpenRequestCall(const std::string& object, const std::string& flags, int n = 1) {
  return "OpenRequest(connection" + std::to_string(n) + ", \"GET\", " + Quote(object.c_str()) +
         R"x(, "HTTP/1.0", null, {"Accept: */* \r\n", null}, )x" + flags + ", 0)";
}
inline std::string SendCall(int n = 1) {
  return "SendRequest(request" + std::to_string(n) + R"x(, "Accept: */*\r\n\r\n", 15, null, 0))x";
}
inline std::string QueryCall(int n = 1) { return "QueryInfo(request" + std::to_string(n) + ", 5, 32, null)"; }
inline std::string ReadCall(std::uint32_t size, int n = 1) {
  return "ReadFile(request" + std::to_string(n) + ", " + std::to_string(size) + ")";
}
inline std::vector<std::string> CloseCalls(int n = 1) {
  return {"CloseHandle(request" + std::to_string(n) + ")", "CloseHandle(connection" + std::to_string(n) + ")"};
}

// Joins call lines and lists of call lines into one sequence.
class Calls : public std::vector<std::string> {
 public:
  Calls& operator<<(const std::string& call) {
    push_back(call);
    return *this;
  }
  Calls& operator<<(const std::vector<std::string>& calls) {
    insert(end(), calls.begin(), calls.end());
    return *this;
  }
};

}  // namespace quorvane::testing
