#pragma once
// The WinINet numbers that the fetch hands to the platform, spelled out so
// that the fetch logic builds and is tested without <windows.h>. The Windows
// side checks each one against the platform's own definition.

#include <cstdint>

namespace quorvane::wininet {

// InternetCanonicalizeUrlA
constexpr std::uint32_t kIcuNoEncode = 0x20000000;

// InternetOpenA and the proxy option
constexpr std::uint32_t kOpenTypePreconfig = 0;
constexpr std::uint32_t kOpenTypeDirect = 1;

// InternetSetOptionA
constexpr std::uint32_t kOptionProxy = 38;
constexpr std::uint32_t kOptionProxyUsername = 43;
constexpr std::uint32_t kOptionProxyPassword = 44;

// InternetCrackUrlA's nScheme
constexpr std::int32_t kSchemeFtp = 1;
constexpr std::int32_t kSchemeGopher = 2;
constexpr std::int32_t kSchemeHttp = 3;
constexpr std::int32_t kSchemeHttps = 4;

// InternetConnectA's service
constexpr std::uint32_t kServiceFtp = 1;
constexpr std::uint32_t kServiceGopher = 2;
constexpr std::uint32_t kServiceHttp = 3;

// HttpOpenRequestA's flags
constexpr std::uint32_t kFlagReload = 0x80000000;
constexpr std::uint32_t kFlagNoCacheWrite = 0x04000000;
constexpr std::uint32_t kFlagSecure = 0x00800000;

// HttpQueryInfoA
constexpr std::uint32_t kQueryContentLength = 5;

}  // namespace quorvane::wininet
