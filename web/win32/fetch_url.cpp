#include "web/win32/fetch_url.h"

#include "web/portable/fetch_url.h"
#include "web/portable/internet_root.h"
#include "web/win32/wininet_api.h"
#include "web/win32/winsock_session.h"

namespace quorvane {

namespace {

// The module's process-wide state. It lives in this file, beside FetchUrl, so
// that any program calling FetchUrl also gets sockets started while its
// static data is set up.
struct WebModule {
  // Members are torn down in reverse: the root handle closes before sockets
  // are cleaned up.
  WinsockSession sockets;
  WinInetApi api;
  InternetRoot root{api};
};

WebModule web_module;

}  // namespace

Block FetchUrl(const char* url) { return FetchUrl(web_module.api, web_module.root, url); }

}  // namespace quorvane
