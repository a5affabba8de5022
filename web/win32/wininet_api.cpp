#include "web/win32/wininet_api.h"

#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <type_traits>

#include "web/portable/wininet_values.h"

namespace quorvane {

// The fetch logic spells these out without <wininet.h>; they must be the
// platform's.
static_assert(wininet::kIcuNoEncode == ICU_NO_ENCODE);
static_assert(wininet::kOpenTypePreconfig == INTERNET_OPEN_TYPE_PRECONFIG);
static_assert(wininet::kOpenTypeDirect == INTERNET_OPEN_TYPE_DIRECT);
static_assert(wininet::kOptionProxy == INTERNET_OPTION_PROXY);
static_assert(wininet::kOptionProxyUsername == INTERNET_OPTION_PROXY_USERNAME);
static_assert(wininet::kOptionProxyPassword == INTERNET_OPTION_PROXY_PASSWORD);
static_assert(wininet::kSchemeFtp == INTERNET_SCHEME_FTP);
static_assert(wininet::kSchemeGopher == INTERNET_SCHEME_GOPHER);
static_assert(wininet::kSchemeHttp == INTERNET_SCHEME_HTTP);
static_assert(wininet::kSchemeHttps == INTERNET_SCHEME_HTTPS);
static_assert(wininet::kServiceFtp == INTERNET_SERVICE_FTP);
static_assert(wininet::kServiceGopher == INTERNET_SERVICE_GOPHER);
static_assert(wininet::kServiceHttp == INTERNET_SERVICE_HTTP);
static_assert(wininet::kFlagReload == INTERNET_FLAG_RELOAD);
static_assert(wininet::kFlagNoCacheWrite == INTERNET_FLAG_NO_CACHE_WRITE);
static_assert(wininet::kFlagSecure == INTERNET_FLAG_SECURE);
static_assert(wininet::kQueryContentLength == HTTP_QUERY_CONTENT_LENGTH);

// ProxyInfo goes to InternetSetOptionA as an INTERNET_PROXY_INFO.
static_assert(sizeof(ProxyInfo) == sizeof(INTERNET_PROXY_INFO));
static_assert(offsetof(ProxyInfo, access_type) == offsetof(INTERNET_PROXY_INFO, dwAccessType));
static_assert(offsetof(ProxyInfo, proxy) == offsetof(INTERNET_PROXY_INFO, lpszProxy));
static_assert(offsetof(ProxyInfo, proxy_bypass) == offsetof(INTERNET_PROXY_INFO, lpszProxyBypass));
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
static_assert(std::is_same_v<InternetHandle, HINTERNET>);

CanonicalizeOutcome WinInetApi::CanonicalizeUrl(const char* url, char* buffer,
                                                std::uint32_t* buffer_length, std::uint32_t flags) {
  DWORD length = *buffer_length;
  const BOOL done = InternetCanonicalizeUrlA(url, buffer, &length, flags);
  const DWORD error = done ? ERROR_SUCCESS : GetLastError();
  *buffer_length = length;
  if (done) return CanonicalizeOutcome::kDone;
  return error == ERROR_INSUFFICIENT_BUFFER ? CanonicalizeOutcome::kBufferTooSmall
                                            : CanonicalizeOutcome::kFailed;
}

bool WinInetApi::CrackUrl(const char* url, std::uint32_t url_length, std::uint32_t flags,
                          UrlComponents& components) {
  // No scheme text and no extra information: the URL path then keeps the
  // query and any "#" part.
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = components.host_name;
  parts.dwHostNameLength = components.host_name_length;
  parts.lpszUserName = components.user_name;
  parts.dwUserNameLength = components.user_name_length;
  parts.lpszPassword = components.password;
  parts.dwPasswordLength = components.password_length;
  parts.lpszUrlPath = components.url_path;
  parts.dwUrlPathLength = components.url_path_length;
  if (!InternetCrackUrlA(url, url_length, flags, &parts)) return false;
  components.scheme = parts.nScheme;
  components.port = parts.nPort;
  components.host_name_length = parts.dwHostNameLength;
  components.user_name_length = parts.dwUserNameLength;
  components.password_length = parts.dwPasswordLength;
  components.url_path_length = parts.dwUrlPathLength;
  return true;
}

InternetHandle WinInetApi::Open(const char* agent, std::uint32_t access_type, const char* proxy,
                                const char* proxy_bypass, std::uint32_t flags) {
  return InternetOpenA(agent, access_type, proxy, proxy_bypass, flags);
}

InternetHandle WinInetApi::Connect(InternetHandle root, const char* server_name,
                                   std::uint16_t server_port, const char* user_name,
                                   const char* password, std::uint32_t service,
                                   std::uint32_t flags, std::uintptr_t context) {
  return InternetConnectA(root, server_name, server_port, user_name, password, service, flags,
                          context);
}

bool WinInetApi::SetOption(InternetHandle handle, std::uint32_t option, const void* buffer,
                           std::uint32_t buffer_length) {
  return InternetSetOptionA(handle, option, const_cast<void*>(buffer), buffer_length);
}

InternetHandle WinInetApi::OpenRequest(InternetHandle connection, const char* verb,
                                       const char* object_name, const char* version,
                                       const char* referrer, const char* const* accept_types,
                                       std::uint32_t flags, std::uintptr_t context) {
  // The platform takes the list as non-constant but only reads it.
  return HttpOpenRequestA(connection, verb, object_name, version, referrer,
                          const_cast<LPCSTR*>(accept_types), flags, context);
}

bool WinInetApi::SendRequest(InternetHandle request, const char* headers,
                             std::uint32_t headers_length, const void* optional,
                             std::uint32_t optional_length) {
  return HttpSendRequestA(request, headers, headers_length, const_cast<void*>(optional),
                          optional_length);
}

bool WinInetApi::QueryInfo(InternetHandle request, std::uint32_t info_level, void* buffer,
                           std::uint32_t* buffer_length, std::uint32_t* index) {
  DWORD length = *buffer_length;
  DWORD index_value = index ? *index : 0;
  const BOOL done = HttpQueryInfoA(request, info_level, buffer, &length, index ? &index_value : nullptr);
  *buffer_length = length;
  if (index) *index = index_value;
  return done;
}

bool WinInetApi::ReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                          std::uint32_t* bytes_read) {
  DWORD count = 0;
  const BOOL done = InternetReadFile(request, buffer, bytes_to_read, &count);
  *bytes_read = count;
  return done;
}

bool WinInetApi::CloseHandle(InternetHandle handle) { return InternetCloseHandle(handle); }

}  // namespace quorvane
