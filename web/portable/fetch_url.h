#pragma once
// One blocking HTTP or HTTPS GET through the given WinINet operations: the
// body of the answer, whatever its status, or the empty block when nothing
// arrived. Failure is told by the result alone.

#include "app/portable/block.h"
#include "web/portable/internet_api.h"
#include "web/portable/internet_root.h"

namespace quorvane {

// url: zero-terminated code page 936 bytes, handed on unchanged; null or ""
// gives the empty block without any platform call. When memory runs out
// while the body grows, the bytes collected until then are the result.
Block FetchUrl(InternetApi& api, InternetRoot& root, const char* url);

}  // namespace quorvane
