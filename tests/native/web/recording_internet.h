#pragma once
// A stand-in for WinINet that plays a scripted server and records every call
// with its arguments, one line per call, so that tests compare whole call
// sequences.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "web/portable/internet_api.h"

namespace quorvane::testing {

struct ScriptedUrl {
  std::int32_t scheme = 3;  // http
  std::uint16_t port = 80;
  std::string host_name = "qr.quorvane.net";
  std::string user_name;
  std::string password;
  std::string url_path = "/api.php";
};

class RecordingInternet final : public InternetApi {
 public:
  // What the platform does. Left as they are, the fields make a plain
  // successful fetch of a small body.

  // The canonical form of any URL; empty for the URL unchanged.
  std::string canonical_url;
  bool canonicalize_fails = false;
  bool second_canonicalize_fails = false;
  bool crack_fails = false;
  ScriptedUrl cracked;
  // Results of successive InternetOpenA calls; true once the list is used up.
  std::deque<bool> open_results;
  bool connect_fails = false;
  bool set_option_fails = false;
  bool open_request_fails = false;
  bool send_fails = false;
  // The Content-Length value; none for a missing header.
  std::optional<std::string> content_length = "5";
  std::string body = "hello";
  // At most this many bytes per read, as a network hands them over.
  std::uint32_t largest_chunk = UINT32_MAX;
  // Reads fail once this many body bytes have been delivered.
  std::optional<std::size_t> fail_after;
  // The failing read itself hands over the bytes before the break, and says
  // how many, as a read that waits to fill its buffer does.
  bool failing_read_delivers = false;
  // Reported by every read, whatever it delivers; for a platform that lies.
  std::optional<std::uint32_t> claimed_count;

  std::vector<std::string> calls;
  int open_handles() const { return open_handles_; }

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

 private:
  InternetHandle NewHandle(const char* kind);
  std::string Name(InternetHandle handle) const;

  std::vector<std::string> handle_names_;
  int open_handles_ = 0;
  int canonicalize_calls_ = 0;
  int connections_ = 0;
  int requests_ = 0;
  std::size_t delivered_ = 0;
};

// How the log writes a text argument: quoted, with CR and LF made visible,
// and null as null.
std::string Quote(const char* text);

}  // namespace quorvane::testing
