#pragma once
// The WinINet operations that one fetch uses, as an interface: the fetch logic
// decides every argument, and the Windows side only hands them on. A recording
// stand-in shows call order and arguments without a network.

#include <cstdint>

namespace quorvane {

// An HINTERNET: opaque, null for none.
using InternetHandle = void*;

// INTERNET_PROXY_INFO for the ANSI functions, field for field.
struct ProxyInfo {
  std::uint32_t access_type;
  const char* proxy;
  const char* proxy_bypass;
};

// The parts of URL_COMPONENTSA that the fetch asks for: each text goes into
// the caller's buffer, whose size (terminating zero included) is given in its
// length field and replaced by the text's length on success. The scheme text
// and the extra information are never asked for, so the URL path keeps the
// query and any "#" part.
struct UrlComponents {
  std::int32_t scheme = 0;
  std::uint16_t port = 0;
  char* host_name = nullptr;
  std::uint32_t host_name_length = 0;
  char* user_name = nullptr;
  std::uint32_t user_name_length = 0;
  char* password = nullptr;
  std::uint32_t password_length = 0;
  char* url_path = nullptr;
  std::uint32_t url_path_length = 0;
};

enum class CanonicalizeOutcome {
  kDone,
  // Failed with ERROR_INSUFFICIENT_BUFFER; the size argument holds the size needed.
  kBufferTooSmall,
  kFailed,
};

class InternetApi {
 public:
  virtual ~InternetApi() = default;

  virtual CanonicalizeOutcome CanonicalizeUrl(const char* url, char* buffer,
                                              std::uint32_t* buffer_length,
                                              std::uint32_t flags) = 0;
  virtual bool CrackUrl(const char* url, std::uint32_t url_length, std::uint32_t flags,
                        UrlComponents& components) = 0;
  virtual InternetHandle Open(const char* agent, std::uint32_t access_type, const char* proxy,
                              const char* proxy_bypass, std::uint32_t flags) = 0;
  virtual InternetHandle Connect(InternetHandle root, const char* server_name,
                                 std::uint16_t server_port, const char* user_name,
                                 const char* password, std::uint32_t service,
                                 std::uint32_t flags, std::uintptr_t context) = 0;
  virtual bool SetOption(InternetHandle handle, std::uint32_t option, const void* buffer,
                         std::uint32_t buffer_length) = 0;
  // accept_types ends with a null entry.
  virtual InternetHandle OpenRequest(InternetHandle connection, const char* verb,
                                     const char* object_name, const char* version,
                                     const char* referrer, const char* const* accept_types,
                                     std::uint32_t flags, std::uintptr_t context) = 0;
  virtual bool SendRequest(InternetHandle request, const char* headers,
                           std::uint32_t headers_length, const void* optional,
                           std::uint32_t optional_length) = 0;
  virtual bool QueryInfo(InternetHandle request, std::uint32_t info_level, void* buffer,
                         std::uint32_t* buffer_length, std::uint32_t* index) = 0;
  virtual bool ReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                        std::uint32_t* bytes_read) = 0;
  virtual bool CloseHandle(InternetHandle handle) = 0;
};

}  // namespace quorvane
