// The picture box in a window of its own, as the main window holds it:
// 312 x 336 pixels at 19, 72. Painted pixels are read back from the box's
// window after a synchronous repaint.
#include "picture/win32/pic_box.h"

#include <gtest/gtest.h>
#include <png.h>

#include <string_view>
#include <vector>

#include "app/win32/handles.h"
#include "picture_fixtures.h"

namespace quorvane {
namespace {

using testing::Bytes;

constexpr int kChildId = 130;
constexpr RECT kPlace = {19, 72, 19 + 312, 72 + 336};
constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr COLORREF kButtonFace = 0xFF000000;
// The parent shows magenta wherever the box would fail to paint.
constexpr COLORREF kParentColor = RGB(255, 0, 255);

class TestParent {
 public:
  TestParent() {
    static const ATOM kClass = [] {
      WNDCLASSEXW window_class{};
      window_class.cbSize = sizeof window_class;
      window_class.lpfnWndProc = DefWindowProcW;
      window_class.hInstance = GetModuleHandleW(nullptr);
      window_class.hbrBackground = CreateSolidBrush(kParentColor);
      window_class.lpszClassName = L"QuorvanePicBoxTestParent";
      return RegisterClassExW(&window_class);
    }();
    RECT outer = {0, 0, 360, 440};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    window_ = UniqueWindow(CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(kClass)), L"PicBox test",
                                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                                           outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  HWND get() const { return window_.get(); }
  void Destroy() { window_.reset(); }

 private:
  UniqueWindow window_;
};

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The box's client area as COLORREFs, rows top-down.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Capture Paint(HWND box) {
  UpdateWindow(box);
  RECT client{};
  GetClientRect(box, &client);
  Capture capture{client.right, client.bottom, {}};
  const WindowDc dc(box);
  const UniqueMemoryDc memory(CreateCompatibleDC(dc.get()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), capture.width, -capture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueBitmap dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    const SelectionScope selected(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, capture.width, capture.height, dc.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (int i = 0; i < capture.width * capture.height; ++i) {
    capture.pixels.push_back(RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]));
  }
  return capture;
}

// Compares every pixel with `expected(x, y)`; reports the first few misses.
template <typename Expected>
void ExpectPixels(const Capture& capture, Expected expected) {
  int misses = 0;
  for (int y = 0; y < capture.height; ++y) {
    for (int x = 0; x < capture.width; ++x) {
      const COLORREF want = expected(x, y);
      if (capture.At(x, y) == want) continue;
      if (++misses <= 5) {
        ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << capture.At(x, y) << ", expected "
                      << want;
      }
    }
  }
  EXPECT_EQ(misses, 0);
}

COLORREF PatternAt(int x, int y) {
  const testing::Rgb c = testing::PatternColor(x, y);
  return RGB(c.r, c.g, c.b);
}

class PicBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent_.get());
    box_ = PicBox::Create(parent_.get(), kChildId, kPlace, kStyle, kButtonFace, 0);
    ASSERT_TRUE(box_);
    ShowWindow(box_->window(), SW_SHOWNA);
    ShowWindow(parent_.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(parent_.get());
    PumpMessages();
  }

  void ExpectOnlyBackground() {
    ExpectPixels(Paint(box_->window()), [&](int, int) { return button_face_; });
  }

  void ExpectStoredBytes(std::span<const std::uint8_t> bytes) {
    const auto stored = box_->GetPicture();
    ASSERT_EQ(stored.size(), bytes.size());
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), bytes.begin()));
  }

  const COLORREF button_face_ = GetSysColor(COLOR_BTNFACE);
  TestParent parent_;
  std::unique_ptr<PicBox> box_;
};

TEST_F(PicBoxTest, WindowIsAHiddenChildOfItsOwnClass) {
  auto hidden = PicBox::Create(parent_.get(), 77, kPlace, kStyle | WS_VISIBLE, kButtonFace, 0);
  ASSERT_TRUE(hidden);
  const HWND window = hidden->window();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), 0x44000000u);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetParent(window), parent_.get());
  EXPECT_EQ(GetDlgCtrlID(window), 77);

  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent_.get(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 19);
  EXPECT_EQ(rect.top, 72);
  EXPECT_EQ(rect.right - rect.left, 312);
  EXPECT_EQ(rect.bottom - rect.top, 336);

  EXPECT_EQ(GetClassLongPtrW(window, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR)), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON), 0);
  // Both boxes share the class registered on first use.
  EXPECT_EQ(GetClassLongPtrW(window, GCW_ATOM), GetClassLongPtrW(box_->window(), GCW_ATOM));
}

TEST_F(PicBoxTest, BorderIsApplied) {
  auto framed = PicBox::Create(parent_.get(), 78, kPlace, kStyle, kButtonFace, 1);
  ASSERT_TRUE(framed);
  EXPECT_EQ(GetWindowLongPtrW(framed->window(), GWL_EXSTYLE), WS_EX_CLIENTEDGE);
}

TEST_F(PicBoxTest, StartsWithoutAPictureInTheButtonFaceColour) {
  EXPECT_EQ(box_->background(), button_face_);
  EXPECT_TRUE(box_->GetPicture().empty());
  ExpectOnlyBackground();
}

TEST_F(PicBoxTest, AnExplicitBackgroundColourIsUsedAsItIs) {
  constexpr COLORREF kColor = RGB(0x20, 0x40, 0x60);
  box_ = PicBox::Create(parent_.get(), kChildId, kPlace, kStyle, kColor, 0);
  ASSERT_TRUE(box_);
  ShowWindow(box_->window(), SW_SHOWNA);
  EXPECT_EQ(box_->background(), kColor);
  ExpectPixels(Paint(box_->window()), [](int, int) { return kColor; });
}

TEST_F(PicBoxTest, SmallerPngSitsUnscaledInTheUpperLeftCorner) {
  box_->SetPicture(testing::MakePatternPng(300, 300));
  ExpectPixels(Paint(box_->window()), [&](int x, int y) {
    return x < 300 && y < 300 ? PatternAt(x, y) : button_face_;
  });
}

TEST_F(PicBoxTest, LargerPngIsCutAtTheBoxEdgesNotScaled) {
  box_->SetPicture(testing::MakePatternPng(400, 400));
  const Capture capture = Paint(box_->window());
  ASSERT_EQ(capture.width, 312);
  ASSERT_EQ(capture.height, 336);
  ExpectPixels(capture, PatternAt);
}

TEST_F(PicBoxTest, PngTransparencyIsBlendedWithTheBackground) {
  // Columns 0-9 transparent, 10-19 half transparent, 20-29 opaque.
  Bytes rgba;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 30; ++x) {
      const std::uint8_t alpha = x < 10 ? 0 : x < 20 ? 128 : 255;
      rgba.insert(rgba.end(), {201, 99, 51, alpha});
    }
  }
  box_->SetPicture(testing::MakePng(30, 10, PNG_FORMAT_RGBA, rgba.data()));
  const auto blend = [](int c, int k) {
    const float a = 128 * 0.0039215689f;
    return static_cast<int>(c * a + k * (1.0f - a));
  };
  const COLORREF half = RGB(blend(201, GetRValue(button_face_)), blend(99, GetGValue(button_face_)),
                            blend(51, GetBValue(button_face_)));
  ExpectPixels(Paint(box_->window()), [&](int x, int y) {
    if (y >= 10 || x >= 30 || x < 10) return button_face_;
    return x < 20 ? half : RGB(201, 99, 51);
  });
}

TEST_F(PicBoxTest, JpegIsShownUprightInItsColours) {
  // 13 pixels a row: the device rows need padding to 40 bytes.
  Bytes rgb;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 13; ++x) {
      if (y < 8) rgb.insert(rgb.end(), {255, 0, 0});
      else rgb.insert(rgb.end(), {0, 0, 255});
    }
  }
  box_->SetPicture(testing::MakeJpeg(13, 16, 3, rgb));
  const Capture capture = Paint(box_->window());
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF pixel = capture.At(x, y);
      if (x >= 13 || y >= 16) {
        EXPECT_EQ(pixel, button_face_) << x << "," << y;
      } else if (y < 8) {
        EXPECT_TRUE(GetRValue(pixel) > 245 && GetGValue(pixel) < 10 && GetBValue(pixel) < 10) << x << "," << y;
      } else {
        EXPECT_TRUE(GetRValue(pixel) < 10 && GetGValue(pixel) < 10 && GetBValue(pixel) > 245) << x << "," << y;
      }
    }
  }
}

struct UnusableBytes {
  const char* name;
  Bytes bytes;
};

std::vector<UnusableBytes> UnusableCases() {
  const std::string_view html = "<html><body>502 Bad Gateway</body></html>";
  Bytes damaged = testing::MakePatternPng(50, 50);
  damaged[testing::FindPngChunk(damaged, "IDAT") + 10] ^= 0x10;
  const Bytes png = testing::MakePatternPng(50, 50);
  return {
      {"ErrorText", Bytes(html.begin(), html.end())},
      {"Empty", {}},
      {"DamagedPng", damaged},
      {"SevenBytesOfPng", Bytes(png.begin(), png.begin() + 7)},
      {"JpegStartOnly", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F'}},
  };
}

TEST_F(PicBoxTest, UnusableBytesAfterAPictureLeaveOnlyTheBackground) {
  const Bytes good = testing::MakePatternPng(100, 100);
  for (const UnusableBytes& unusable : UnusableCases()) {
    SCOPED_TRACE(unusable.name);
    box_->SetPicture(good);
    ASSERT_EQ(Paint(box_->window()).At(50, 50), PatternAt(50, 50));
    box_->SetPicture(unusable.bytes);
    ExpectOnlyBackground();
    ExpectStoredBytes(unusable.bytes);
  }
}

TEST_F(PicBoxTest, KeepsItsOwnCopyOfTheBytes) {
  Bytes png = testing::MakePatternPng(20, 20);
  const Bytes original = png;
  box_->SetPicture(png);
  EXPECT_NE(box_->GetPicture().data(), png.data());
  png.assign(png.size(), 0);
  ExpectStoredBytes(original);
  ExpectPixels(Paint(box_->window()), [&](int x, int y) {
    return x < 20 && y < 20 ? PatternAt(x, y) : button_face_;
  });
}

TEST_F(PicBoxTest, SameBytesWrittenTwiceAreDecodedTwice) {
  const Bytes png = testing::MakePatternPng(30, 30);
  box_->SetPicture(png);
  const int decodes = box_->decode_count();
  box_->SetPicture(box_->GetPicture());  // the very bytes the box holds
  EXPECT_EQ(box_->decode_count(), decodes + 1);
  ExpectStoredBytes(png);
  EXPECT_EQ(Paint(box_->window()).At(29, 29), PatternAt(29, 29));
}

TEST_F(PicBoxTest, WritingInvalidatesTheWholeBox) {
  for (const Bytes& bytes : {testing::MakePatternPng(10, 10), Bytes()}) {
    ValidateRect(box_->window(), nullptr);
    box_->SetPicture(bytes);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(box_->window(), &update, FALSE));
    EXPECT_EQ(update.left, 0);
    EXPECT_EQ(update.top, 0);
    EXPECT_EQ(update.right, 312);
    EXPECT_EQ(update.bottom, 336);
  }
}

TEST_F(PicBoxTest, DestroyingTheBoxDestroysItsWindow) {
  const HWND window = box_->window();
  box_.reset();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(PicBoxTest, OutlivingItsParentLeavesTheDeadWindowAlone) {
  box_->SetPicture(testing::MakePatternPng(30, 30));
  parent_.Destroy();
  EXPECT_EQ(box_->window(), nullptr);
  EXPECT_TRUE(box_->GetPicture().empty());
  box_->SetPicture(testing::MakePatternPng(30, 30));
  ExpectStoredBytes(testing::MakePatternPng(30, 30));
  box_.reset();
}

}  // namespace
}  // namespace quorvane
