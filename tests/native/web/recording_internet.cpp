#include "tests/native/web/recording_internet.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace quorvane::testing {

namespace {

std::string Hex(std::uint32_t value) {
  std::ostringstream out;
  out << "0x" << std::hex << value;
  return out.str();
}

// Copies text into a platform buffer of the caller's size, as WinINet does:
// false when it does not fit with its terminating zero.
bool CopyOut(const std::string& text, char* buffer, std::uint32_t& length) {
  if (text.size() + 1 > length) return false;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  length = static_cast<std::uint32_t>(text.size());
  return true;
}

}  // namespace

std::string Quote(const char* text) {
  if (!text) return "null";
  std::string out = "\"";
  for (const char* p = text; *p; ++p) {
    if (*p == '\r') out += "\\r";
    else if (*p == '\n') out += "\\n";
    else out += *p;
  }
  return out + "\"";
}

InternetHandle RecordingInternet::NewHandle(const char* kind) {
  handle_names_.push_back(kind);
  ++open_handles_;
  // Handle values are 1, 2, 3, ...: index + 1 into the names.
  return reinterpret_cast<InternetHandle>(static_cast<std::uintptr_t>(handle_names_.size()));
}

std::string RecordingInternet::Name(InternetHandle handle) const {
  const auto index = reinterpret_cast<std::uintptr_t>(handle);
  if (index == 0) return "null";
  if (index > handle_names_.size()) return "unknown";
  return handle_names_[index - 1];
}

CanonicalizeOutcome RecordingInternet::CanonicalizeUrl(const char* url, char* buffer,
                                                       std::uint32_t* buffer_length,
                                                       std::uint32_t flags) {
  calls.push_back("CanonicalizeUrl(" + Quote(url) + ", " + std::to_string(*buffer_length) + ", " +
                  Hex(flags) + ")");
  ++canonicalize_calls_;
  if (canonicalize_fails || (second_canonicalize_fails && canonicalize_calls_ > 1)) {
    return CanonicalizeOutcome::kFailed;
  }
  const std::string result = canonical_url.empty() ? std::string(url) : canonical_url;
  if (result.size() + 1 > *buffer_length) {
    *buffer_length = static_cast<std::uint32_t>(result.size() + 1);
    return CanonicalizeOutcome::kBufferTooSmall;
  }
  std::memcpy(buffer, result.c_str(), result.size() + 1);
  *buffer_length = static_cast<std::uint32_t>(result.size());
  return CanonicalizeOutcome::kDone;
}

bool RecordingInternet::CrackUrl(const char* url, std::uint32_t url_length, std::uint32_t flags,
                                 UrlComponents& parts) {
  calls.push_back("CrackUrl(" + Quote(url) + ", " + std::to_string(url_length) + ", " +
                  std::to_string(flags) + ", host " + std::to_string(parts.host_name_length) +
                  ", user " + std::to_string(parts.user_name_length) + ", password " +
                  std::to_string(parts.password_length) + ", path " +
                  std::to_string(parts.url_path_length) + ")");
  if (crack_fails) return false;
  parts.scheme = cracked.scheme;
  parts.port = cracked.port;
  return CopyOut(cracked.host_name, parts.host_name, parts.host_name_length) &&
         CopyOut(cracked.user_name, parts.user_name, parts.user_name_length) &&
         CopyOut(cracked.password, parts.password, parts.password_length) &&
         CopyOut(cracked.url_path, parts.url_path, parts.url_path_length);
}

InternetHandle RecordingInternet::Open(const char* agent, std::uint32_t access_type,
                                       const char* proxy, const char* proxy_bypass,
                                       std::uint32_t flags) {
  calls.push_back("Open(" + Quote(agent) + ", " + std::to_string(access_type) + ", " +
                  Quote(proxy) + ", " + Quote(proxy_bypass) + ", " + std::to_string(flags) + ")");
  bool opens = true;
  if (!open_results.empty()) {
    opens = open_results.front();
    open_results.pop_front();
  }
  return opens ? NewHandle("root") : nullptr;
}

InternetHandle RecordingInternet::Connect(InternetHandle root, const char* server_name,
                                          std::uint16_t server_port, const char* user_name,
                                          const char* password, std::uint32_t service,
                                          std::uint32_t flags, std::uintptr_t context) {
  calls.push_back("Connect(" + Name(root) + ", " + Quote(server_name) + ", " +
                  std::to_string(server_port) + ", " + Quote(user_name) + ", " + Quote(password) +
                  ", " + std::to_string(service) + ", " + std::to_string(flags) + ", " +
                  std::to_string(context) + ")");
  if (connect_fails) return nullptr;
  return NewHandle(("connection" + std::to_string(++connections_)).c_str());
}

bool RecordingInternet::SetOption(InternetHandle handle, std::uint32_t option, const void* buffer,
                                  std::uint32_t buffer_length) {
  std::string value;
  if (option == 38 && buffer_length == sizeof(ProxyInfo)) {
    const auto* info = static_cast<const ProxyInfo*>(buffer);
    value = "proxy(" + std::to_string(info->access_type) + ", " + Quote(info->proxy) + ", " +
            Quote(info->proxy_bypass) + ")";
  } else {
    value = Quote(static_cast<const char*>(buffer));
  }
  calls.push_back("SetOption(" + Name(handle) + ", " + std::to_string(option) + ", " + value +
                  ", " + std::to_string(buffer_length) + ")");
  return !set_option_fails;
}

InternetHandle RecordingInternet::OpenRequest(InternetHandle connection, const char* verb,
                                              const char* object_name, const char* version,
                                              const char* referrer,
                                              const char* const* accept_types,
                                              std::uint32_t flags, std::uintptr_t context) {
  std::string types = "{";
  for (const char* const* type = accept_types; type && *type; ++type) types += Quote(*type) + ", ";
  types += accept_types ? "null}" : "}";
  calls.push_back("OpenRequest(" + Name(connection) + ", " + Quote(verb) + ", " +
                  Quote(object_name) + ", " + Quote(version) + ", " + Quote(referrer) + ", " +
                  types + ", " + Hex(flags) + ", " + std::to_string(context) + ")");
  if (open_request_fails) return nullptr;
  return NewHandle(("request" + std::to_string(++requests_)).c_str());
}

bool RecordingInternet::SendRequest(InternetHandle request, const char* headers,
                                    std::uint32_t headers_length, const void* optional,
                                    std::uint32_t optional_length) {
  calls.push_back("SendRequest(" + Name(request) + ", " + Quote(headers) + ", " +
                  std::to_string(headers_length) + ", " +
                  (optional ? "data" : "null") + ", " + std::to_string(optional_length) + ")");
  delivered_ = 0;
  return !send_fails;
}

bool RecordingInternet::QueryInfo(InternetHandle request, std::uint32_t info_level, void* buffer,
                                  std::uint32_t* buffer_length, std::uint32_t* index) {
  calls.push_back("QueryInfo(" + Name(request) + ", " + std::to_string(info_level) + ", " +
                  std::to_string(*buffer_length) + ", " + (index ? "index" : "null") + ")");
  if (!content_length) return false;
  if (content_length->size() + 1 > *buffer_length) {
    *buffer_length = static_cast<std::uint32_t>(content_length->size() + 1);
    return false;
  }
  std::memcpy(buffer, content_length->c_str(), content_length->size() + 1);
  *buffer_length = static_cast<std::uint32_t>(content_length->size());
  return true;
}

bool RecordingInternet::ReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                                 std::uint32_t* bytes_read) {
  calls.push_back("ReadFile(" + Name(request) + ", " + std::to_string(bytes_to_read) + ")");
  *bytes_read = 0;
  if (fail_after && delivered_ >= *fail_after) return false;
  std::size_t count = std::min<std::size_t>({bytes_to_read, largest_chunk, body.size() - delivered_});
  if (fail_after) count = std::min(count, *fail_after - delivered_);
  std::memcpy(buffer, body.data() + delivered_, count);
  delivered_ += count;
  *bytes_read = claimed_count.value_or(static_cast<std::uint32_t>(count));
  return !(failing_read_delivers && fail_after && delivered_ >= *fail_after);
}

bool RecordingInternet::CloseHandle(InternetHandle handle) {
  calls.push_back("CloseHandle(" + Name(handle) + ")");
  --open_handles_;
  return true;
}

}  // namespace quorvane::testing
