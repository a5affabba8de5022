#pragma once
// Small owners for Windows handles: each releases its handle exactly once,
// with the call that the handle needs, and can be moved but not copied.

#include <windows.h>

#include <utility>

namespace quorvane {

template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid; }
  void reset(Handle handle = Invalid) {
    if (handle_ != Invalid) Close(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Invalid); }

 private:
  Handle handle_ = Invalid;
};

namespace detail {
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void DestroyWindowHandle(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
}
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
}  // namespace detail

using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;

// A window's device context from GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of a whole window, frame included (GetWindowDC).
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;
  ~WholeWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint ... EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  ~SelectionScope() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace quorvane
