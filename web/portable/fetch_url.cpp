#include "web/portable/fetch_url.h"

#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "web/portable/internet_handle.h"
#include "web/portable/object_name.h"
#include "web/portable/read_size.h"
#include "web/portable/scheme_rule.h"
#include "web/portable/wininet_values.h"

namespace quorvane {

namespace {

constexpr std::uint32_t kCanonicalBufferSize = 2084;

// The accept types are one entry holding a whole header line; how that
// reaches the wire beside the Accept header sent with the request is the
// platform's choice.
constexpr const char* kAcceptTypes[] = {"Accept: */* \r\n", nullptr};
constexpr char kExtraHeaders[] = "Accept: */*\r\n\r\n";
constexpr std::uint32_t kExtraHeadersLength = sizeof kExtraHeaders - 1;
static_assert(kExtraHeadersLength == 15);

// The canonical URL, in a fixed buffer or, when the platform asks for more,
// in a block of the size it names.
class CanonicalUrl {
 public:
  bool Make(InternetApi& api, const char* url) {
    std::uint32_t length = sizeof fixed_;
    switch (api.CanonicalizeUrl(url, fixed_, &length, wininet::kIcuNoEncode)) {
      case CanonicalizeOutcome::kDone: text_ = fixed_; return true;
      case CanonicalizeOutcome::kFailed: return false;
      case CanonicalizeOutcome::kBufferTooSmall: break;
    }
    // The size comes from the platform, so a failed allocation is a failed
    // fetch rather than the end of the process.
    larger_ = Block::TryAllocate(length);
    if (larger_.missing()) return false;
    char* buffer = reinterpret_cast<char*>(larger_.data());
    if (api.CanonicalizeUrl(url, buffer, &length, wininet::kIcuNoEncode) !=
        CanonicalizeOutcome::kDone) {
      return false;
    }
    text_ = buffer;
    return true;
  }
  const char* c_str() const { return text_; }

 private:
  char fixed_[kCanonicalBufferSize];
  Block larger_;
  const char* text_ = nullptr;
};

struct CrackedUrl {
  std::int32_t scheme = 0;
  std::uint16_t port = 0;
  char host_name[256];
  char user_name[128];
  char password[128];
  char url_path[2048];
};

// Ends text at the length the platform reported, within its buffer.
template <std::size_t N>
void Terminate(char (&text)[N], std::uint32_t length) {
  text[length < N ? length : N - 1] = '\0';
}

bool Crack(InternetApi& api, const char* url, CrackedUrl& cracked) {
  UrlComponents parts;
  parts.host_name = cracked.host_name;
  parts.host_name_length = sizeof cracked.host_name;
  parts.user_name = cracked.user_name;
  parts.user_name_length = sizeof cracked.user_name;
  parts.password = cracked.password;
  parts.password_length = sizeof cracked.password;
  parts.url_path = cracked.url_path;
  parts.url_path_length = sizeof cracked.url_path;
  if (!api.CrackUrl(url, 0, 0, parts)) return false;
  cracked.scheme = parts.scheme;
  cracked.port = parts.port;
  Terminate(cracked.host_name, parts.host_name_length);
  Terminate(cracked.user_name, parts.user_name_length);
  Terminate(cracked.password, parts.password_length);
  Terminate(cracked.url_path, parts.url_path_length);
  return true;
}

// The system's preconfigured proxy on the root, and no proxy credentials on
// the connection. The platform's answers change nothing for the fetch.
void SetProxyOptions(InternetApi& api, InternetHandle root, InternetHandle connection) {
  const ProxyInfo proxy{wininet::kOpenTypePreconfig, nullptr, nullptr};
  api.SetOption(root, wininet::kOptionProxy, &proxy, sizeof proxy);
  api.SetOption(connection, wininet::kOptionProxyUsername, "", 1);
  api.SetOption(connection, wininet::kOptionProxyPassword, "", 1);
}

std::uint32_t QueryReadSize(InternetApi& api, InternetHandle request) {
  char value[32] = {};
  std::uint32_t length = sizeof value;
  if (!api.QueryInfo(request, wininet::kQueryContentLength, value, &length, nullptr)) {
    return static_cast<std::uint32_t>(ReadSizeFor(std::nullopt));
  }
  // The value ends at its zero, or at the buffer's end should the platform
  // have filled it.
  const std::string_view whole(value, sizeof value);
  return static_cast<std::uint32_t>(ReadSizeFor(whole.substr(0, whole.find('\0'))));
}

// Appends chunk to body, which grows to exactly the bytes it holds; false,
// with body unchanged, when there is no memory for it.
bool Append(Block& body, std::span<const std::uint8_t> chunk) {
  const std::size_t old_size = body.size();
  if (chunk.size() > std::numeric_limits<std::size_t>::max() - old_size) return false;
  if (!body.TryResize(old_size + chunk.size())) return false;
  std::memcpy(body.data() + old_size, chunk.data(), chunk.size());
  return true;
}

// Reads until the platform reports the end or a failure; either way the bytes
// that arrived are the body.
Block ReadBody(InternetApi& api, InternetHandle request, Block& buffer) {
  const auto size = static_cast<std::uint32_t>(buffer.size());
  Block body;
  for (;;) {
    std::uint32_t count = 0;
    const bool more = api.ReadFile(request, buffer.data(), size, &count);
    // A read keeps receiving until the buffer is full, so a connection that
    // breaks off fails the read that already holds its last bytes; the count
    // still tells how many arrived, and they belong to the body.
    if (count == 0 || count > size) break;
    if (!Append(body, {buffer.data(), count})) break;
    if (!more) break;
  }
  return body;
}

}  // namespace

Block FetchUrl(InternetApi& api, InternetRoot& root, const char* url) {
  if (url == nullptr || url[0] == '\0') return Block();

  CrackedUrl cracked;
  {
    CanonicalUrl canonical;
    if (!canonical.Make(api, url)) return Block();
    if (!Crack(api, canonical.c_str(), cracked)) return Block();
  }
  const SchemeRule rule = RuleForScheme(cracked.scheme);

  const InternetHandle root_handle = root.Acquire();
  if (!root_handle) return Block();

  // Declared in this order so that the request closes before the connection.
  UniqueInternetHandle connection(
      api, api.Connect(root_handle, cracked.host_name, cracked.port, cracked.user_name,
                       cracked.password, rule.service, 0, 0));
  if (!connection) return Block();
  SetProxyOptions(api, root_handle, connection.get());

  cracked.url_path[ObjectNameLength(cracked.url_path)] = '\0';
  UniqueInternetHandle request(
      api, api.OpenRequest(connection.get(), "GET", cracked.url_path, "HTTP/1.0", nullptr,
                           kAcceptTypes, rule.request_flags, 0));
  if (!request) return Block();
  if (!api.SendRequest(request.get(), kExtraHeaders, kExtraHeadersLength, nullptr, 0)) {
    return Block();
  }

  Block buffer = Block::TryAllocate(QueryReadSize(api, request.get()));
  if (buffer.missing()) return Block();
  return ReadBody(api, request.get(), buffer);
}

}  // namespace quorvane
