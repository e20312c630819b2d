#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win::setup_window {

TFont CreateWindowFont(bool bold, int height, bool underline) {
  return TFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                           SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック"));
}

TFont CreateFixedFont() {
  return TFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック"));
}

void DrawListRow(const DRAWITEMSTRUCT& item, const TExtRowLook& look, HFONT font) {
  TBrush back(CreateSolidBrush(static_cast<COLORREF>(look.BackColor)));
  FillRect(item.hDC, &item.rcItem, back.Get());
  TSelected selected(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, static_cast<COLORREF>(look.TextColor));
  TextOutA(item.hDC, item.rcItem.left + 2, item.rcItem.top, look.Text.c_str(),
           static_cast<int>(look.Text.size()));
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace nuvopick::win::setup_window
