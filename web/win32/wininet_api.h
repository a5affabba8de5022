#pragma once
// The WinINet operations of a fetch, handed straight to the platform's ANSI
// functions.

#include "web/portable/internet_api.h"

namespace quorvane {

class WinInetApi final : public InternetApi {
 public:
  CanonicalizeOutcome CanonicalizeUrl(const char* url, char* buffer, std::uint32_t* buffer_length,
                                      std::uint32_t flags) override;
  bool CrackUrl(const char* url, std::uint32_t url_length, std::uint32_t flags,
                UrlComponents& components) override;
  InternetHandle Open(const char* agent, std::uint32_t access_type, const char* proxy,
                      const char* proxy_bypass, std::uint32_t flags) override;
  InternetHandle Connect(InternetHandle root, const char* server_name, std::uint16_t server_port,
                         const char* user_name, const char* password, std::uint32_t service,
                         std::uint32_t flags, std::uintptr_t context) override;
  bool SetOption(InternetHandle handle, std::uint32_t option, const void* buffer,
                 std::uint32_t buffer_length) override;
  InternetHandle OpenRequest(InternetHandle connection, const char* verb, const char* object_name,
                             const char* version, const char* referrer,
                             const char* const* accept_types, std::uint32_t flags,
                             std::uintptr_t context) override;
  bool SendRequest(InternetHandle request, const char* headers, std::uint32_t headers_length,
                   const void* optional, std::uint32_t optional_length) override;
  bool QueryInfo(InternetHandle request, std::uint32_t info_level, void* buffer,
                 std::uint32_t* buffer_length, std::uint32_t* index) override;
  bool ReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                std::uint32_t* bytes_read) override;
  bool CloseHandle(InternetHandle handle) override;
};

}  // namespace quorvane
