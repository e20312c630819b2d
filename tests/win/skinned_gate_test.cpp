// The rows of the skinned list as the system draws them.
#include "skin/win/skinned_gate.h"

#include <gtest/gtest.h>

#include "support/memory_file_system.h"
#include "unit/skin/skin_images.h"

namespace nuvopick::win {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit top-down surface of Width × Height whose pixels can be read back.
class TSurface {
 public:
  TSurface(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_.Get());
  }
  ~TSurface() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }

  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t bgr = bits_[y * width_ + x];
    return RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF);
  }

 private:
  int width_;
  HDC dc_;
  TBitmap bitmap_;
  const std::uint32_t* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The selected row of a list on a green background, its rectangle drawn with a
// hatched or clear brush and a dashed, dotted or clear pen: wherever brush and pen
// leave a gap the background shows, never the white of the text background.
TEST(SkinnedGate, TheGapsOfTheSelectionRectangleShowTheBackground) {
  const char* const selections[] = {
      "SelBrushStyle=Horizontal\r\nSelPenStyle=Dash\r\n",
      "SelBrushStyle=DiagCross\r\nSelPenStyle=DashDotDot\r\n",
      "SelBrushStyle=Clear\r\nSelPenStyle=Dot\r\n",
  };
  const std::string skin =
      "[NuvoPickSkinFile]\r\nBmpLeft=edge.bmp\r\nBmpRight=edge.bmp\r\nBmpTop=edge.bmp\r\n"
      "BmpBottom=edge.bmp\r\nBackColor=00FF00\r\nSelBrushColor=0000FF\r\nSelPenColor=FF0000\r\n";
  testing::MemoryFileSystem files;
  files.files["C:\\skn\\edge.bmp"] = testing::Bmp24(TPixelImage(4, 4, {0x40, 0x40, 0x40}));
  HWND list = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  for (const char* selection : selections) {
    SCOPED_TRACE(selection);
    files.files["C:\\skn\\hatch.skn"] = skin + selection;
    const std::unique_ptr<TSkinnedGate> gate = TSkinnedGate::Compose(
        files, "C:\\skn\\hatch.skn", "MS UI Gothic", 9, {"", ""}, {}, TDpiScale());
    ASSERT_NE(gate, nullptr);
    const int width = gate->Layout().ListRect.Width();
    const int height = gate->Layout().ListRect.Height();
    const int rowHeight = gate->Layout().ItemHeight;
    SetWindowPos(list, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    TSurface surface(width, height);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemID = 0;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_SELECTED;
    item.hwndItem = list;
    item.hDC = surface.Dc();
    item.rcItem = {0, 0, width, rowHeight};
    gate->DrawItem(item, "", nullptr, 2);

    int background = 0;
    for (int y = 0; y < rowHeight; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF pixel = surface.Pixel(x, y);
        ASSERT_NE(pixel, kWhite) << x << "," << y;
        if (pixel == RGB(0, 255, 0)) ++background;
      }
    }
    EXPECT_GT(background, 0);  // the gaps are there, and show the skin
  }
  DestroyWindow(list);
}

}  // namespace
}  // namespace nuvopick::win
