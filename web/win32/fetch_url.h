#pragma once
// FetchUrl: one blocking GET of an http or https URL through WinINet; the
// body of whatever the server answers, or the empty block when nothing
// arrived.

#include "app/portable/block.h"

namespace quorvane {

// url: zero-terminated code page 936 bytes, handed to WinINet unchanged.
// Null or "" gives the empty block at once. A transfer that breaks off gives
// the bytes that arrived before the break, and so does memory running out
// while the body grows.
Block FetchUrl(const char* url);

}  // namespace quorvane
