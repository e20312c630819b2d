#include "skin/win/skinned_gate.h"

#include <algorithm>

#include "platform/win/row_icon_drawing.h"
#include "skin/win/region.h"

namespace nuvopick::win {
namespace {

TFont FontOf(const TSkinFont& font, const TDpiScale& dpi) {
  return CreatePointFont(font.Name, font.Size, font.Style.Bold, font.Style.Italic,
                         font.Style.UnderLine, font.Style.StrikeOut, font.CharSet, dpi);
}

COLORREF ColorOf(TRgb color) {
  return RGB(color.R, color.G, color.B);
}

TBitmap BitmapOf(const TPixelImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -image.Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const std::vector<std::uint8_t> rows = image.TopDownBgrRows();
  const TScreenDc screen;
  return TBitmap(
      CreateDIBitmap(screen.Get(), &info.bmiHeader, CBM_INIT, rows.data(), &info, DIB_RGB_COLORS));
}

// Draws Bitmap's part at (x, y) of Width × Height onto Dc at the same place.
void CopyBand(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  const TMemoryDc memory(dc);
  const TSelected selected(memory.Get(), bitmap);
  BitBlt(dc, x, y, width, height, memory.Get(), x, y, SRCCOPY);
}

LOGBRUSH BrushOf(TBrushStyle style, TRgb color) {
  static constexpr LONG kHatches[] = {
      0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  LOGBRUSH brush{BS_SOLID, ColorOf(color), 0};
  if (style == TBrushStyle::Clear) brush.lbStyle = BS_NULL;
  if (style > TBrushStyle::Clear) {
    brush.lbStyle = BS_HATCHED;
    brush.lbHatch = static_cast<ULONG_PTR>(kHatches[static_cast<int>(style)]);
  }
  return brush;
}

}  // namespace

std::unique_ptr<TSkinnedGate> TSkinnedGate::Compose(
    const IFileSystem& files, const std::string& skinPath, const std::string& currentFontName,
    int currentFontSize, const std::vector<std::string>& rows, const TRowIconLayout& icons,
    const TDpiScale& dpi) {
  std::unique_ptr<TSkinnedGate> gate(new TSkinnedGate());
  gate->skin_ = ReadSkin(files, skinPath, currentFontName, currentFontSize);
  EnlargeSkinImages(gate->skin_, dpi.WholeFactor());
  if (!gate->skin_.IsUsable()) return nullptr;
  gate->itemFont_ = FontOf(gate->skin_.Font, dpi);
  gate->selFont_ = FontOf(gate->skin_.SelFont, dpi);
  gate->icons_ = icons;

  std::int32_t textWidth = 0;
  for (const std::string& row : rows) {
    textWidth =
        std::max({textWidth, static_cast<std::int32_t>(MeasureText(gate->selFont_.Get(), row).cx),
                  static_cast<std::int32_t>(MeasureText(gate->itemFont_.Get(), row).cx)});
  }
  const TSkinRowMetrics metrics =
      SkinRowMetrics(MeasureText(gate->selFont_.Get(), "gM").cy,
                     MeasureText(gate->itemFont_.Get(), "gM").cy, textWidth, icons, dpi);
  gate->textIndent_ = metrics.TextLeft;
  std::optional<TComposedSkin> composed = ComposeSkin(
      gate->skin_, metrics.ItemHeight, metrics.ComposedTextWidth, static_cast<int>(rows.size()));
  if (!composed) return nullptr;

  gate->layout_ = composed->Layout;
  gate->frame_ = BitmapOf(composed->Frame);
  gate->background_ = BitmapOf(composed->Background);
  if (!gate->frame_ || !gate->background_) return nullptr;
  gate->frameImage_ = std::move(composed->Frame);
  // The images are needed no more once composed.
  for (TPixelImage* image :
       {&gate->skin_.BmpLeft, &gate->skin_.BmpRight, &gate->skin_.BmpTop, &gate->skin_.BmpBottom,
        &gate->skin_.BmpTopLeft, &gate->skin_.BmpTopRight, &gate->skin_.BmpBottomLeft,
        &gate->skin_.BmpBottomRight, &gate->skin_.BmpBack}) {
    *image = TPixelImage();
  }
  return gate;
}

bool TSkinnedGate::ApplyRegion(HWND window) const {
  TRegion region;
  region.RegionFromBitmap(frameImage_, skin_.TransColor);
  return region.ApplyToWindow(window, false);
}

void TSkinnedGate::PaintFrame(HDC dc) const {
  CopyBand(dc, frame_.Get(), 0, 0, layout_.FrameSize.Width, layout_.FrameSize.Height);
}

void TSkinnedGate::DrawItem(const DRAWITEMSTRUCT& item, const std::string& text, HICON icon,
                            int rowCount) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  const int h = layout_.ItemHeight;
  const int index = static_cast<int>(item.itemID);
  RECT client{};
  GetClientRect(item.hwndItem, &client);
  CopyBand(dc, background_.Get(), 0, index * h, client.right, h);
  CopyBand(dc, background_.Get(), 0, rowCount * h, client.right, client.bottom - rowCount * h);

  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const TSkinFont& font = selected ? skin_.SelFont : skin_.Font;
  TSelected selectedFont(dc, selected ? selFont_.Get() : itemFont_.Get());
  // Transparent already for the rectangle: the gaps of a hatched brush and of a
  // dashed or dotted pen show the skin's background, not the text background colour.
  const int previousBkMode = SetBkMode(dc, TRANSPARENT);
  if (selected) {
    const LOGBRUSH brushStyle = BrushOf(skin_.SelBrushStyle, skin_.SelBrushColor);
    TBrush brush(CreateBrushIndirect(&brushStyle));
    TPen pen(CreatePen(static_cast<int>(skin_.SelPenStyle), 1, ColorOf(skin_.SelPenColor)));
    const int previousMode = SetROP2(dc, Rop2Code(skin_.SelPenMode));
    {
      TSelected selectedBrush(dc, brush.Get());
      TSelected selectedPen(dc, pen.Get());
      Rectangle(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    }
    SetROP2(dc, previousMode);
  }
  DrawRowIcon(dc, item.rcItem, icon, icons_);
  SetTextColor(dc, ColorOf(font.Color));
  TextOutA(dc, textIndent_, index * h, text.c_str(), static_cast<int>(text.size()));
  SetBkMode(dc, previousBkMode);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace nuvopick::win
