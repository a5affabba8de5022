#pragma once
// The real WinINet operations, counted on the way through: how often the
// root is opened, which handles are open, what each read asks for, why a
// request was not sent.

#include <windows.h>

#include <set>
#include <vector>

#include "web/win32/wininet_api.h"

namespace quorvane::testing {

class CountingInternet final : public InternetApi {
 public:
  int opens = 0;
  std::set<InternetHandle> open_handles;
  std::vector<std::uint32_t> read_sizes;
  // Why the request could not be sent, as the platform said.
  DWORD send_error = ERROR_SUCCESS;

  CanonicalizeOutcome CanonicalizeUrl(const char* url, char* buffer, std::uint32_t* buffer_length,
                                      std::uint32_t flags) override {
    return real_.CanonicalizeUrl(url, buffer, buffer_length, flags);
  }
  bool CrackUrl(const char* url, std::uint32_t url_length, std::uint32_t flags,
                UrlComponents& components) override {
    return real_.CrackUrl(url, url_length, flags, components);
  }
  InternetHandle Open(const char* agent, std::uint32_t access_type, const char* proxy,
                      const char* proxy_bypass, std::uint32_t flags) override {
    ++opens;
    return Opened(real_.Open(agent, access_type, proxy, proxy_bypass, flags));
  }
  InternetHandle Connect(InternetHandle root, const char* server_name, std::uint16_t server_port,
                         const char* user_name, const char* password, std::uint32_t service,
                         std::uint32_t flags, std::uintptr_t context) override {
    return Opened(real_.Connect(root, server_name, server_port, user_name, password, service,
                                flags, context));
  }
  bool SetOption(InternetHandle handle, std::uint32_t option, const void* buffer,
                 std::uint32_t buffer_length) override {
    return real_.SetOption(handle, option, buffer, buffer_length);
  }
  InternetHandle OpenRequest(InternetHandle connection, const char* verb, const char* object_name,
                             const char* version, const char* referrer,
                             const char* const* accept_types, std::uint32_t flags,
                             std::uintptr_t context) override {
    return Opened(real_.OpenRequest(connection, verb, object_name, version, referrer,
                                    accept_types, flags, context));
  }
  bool SendRequest(InternetHandle request, const char* headers, std::uint32_t headers_length,
                   const void* optional, std::uint32_t optional_length) override {
    const bool sent = real_.SendRequest(request, headers, headers_length, optional, optional_length);
    if (!sent) send_error = GetLastError();
    return sent;
  }
  bool QueryInfo(InternetHandle request, std::uint32_t info_level, void* buffer,
                 std::uint32_t* buffer_length, std::uint32_t* index) override {
    return real_.QueryInfo(request, info_level, buffer, buffer_length, index);
  }
  bool ReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                std::uint32_t* bytes_read) override {
    read_sizes.push_back(bytes_to_read);
    return real_.ReadFile(request, buffer, bytes_to_read, bytes_read);
  }
  bool CloseHandle(InternetHandle handle) override {
    open_handles.erase(handle);
    return real_.CloseHandle(handle);
  }

 private:
  InternetHandle Opened(InternetHandle handle) {
    if (handle) open_handles.insert(handle);
    return handle;
  }

  WinInetApi real_;
};

}  // namespace quorvane::testing
