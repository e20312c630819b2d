#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win::setup_window {

namespace {

TFont CreateWindowFont(int height, bool bold = false, bool underline = false) {
  return TFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                           SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック"));
}

TFont CreateFixedFont(int height) {
  return TFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック"));
}

}  // namespace

HFONT TSetupFonts::Of(TFontRole role) const {
  switch (role) {
    case TFontRole::Bold:
      return Bold.Get();
    case TFontRole::Title:
      return Title.Get();
    case TFontRole::Link:
      return Link.Get();
    case TFontRole::Fixed:
      return Fixed.Get();
    case TFontRole::Normal:
      break;
  }
  return Normal.Get();
}

TSetupFonts CreateSetupFonts(const TDpiScale& dpi) {
  TSetupFonts fonts;
  fonts.Normal = CreateWindowFont(dpi.Px(-12));
  fonts.Bold = CreateWindowFont(dpi.Px(-12), true);
  fonts.Title = CreateWindowFont(dpi.Px(-16), true);
  fonts.Link = CreateWindowFont(dpi.Px(-12), false, true);
  fonts.Fixed = CreateFixedFont(dpi.Px(-12));
  return fonts;
}

void DrawListRow(const DRAWITEMSTRUCT& item, const TExtRowLook& look, HFONT font,
                 const TDpiScale& dpi) {
  TBrush back(CreateSolidBrush(static_cast<COLORREF>(look.BackColor)));
  FillRect(item.hDC, &item.rcItem, back.Get());
  TSelected selected(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, static_cast<COLORREF>(look.TextColor));
  TextOutA(item.hDC, item.rcItem.left + dpi.Px(2), item.rcItem.top, look.Text.c_str(),
           static_cast<int>(look.Text.size()));
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace nuvopick::win::setup_window
