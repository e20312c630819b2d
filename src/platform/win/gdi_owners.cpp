#include "platform/win/gdi_owners.h"

namespace nuvopick::win {

TFont CreatePointFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                      bool strikeOut, int charSet) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return TFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline,
                           strikeOut, static_cast<DWORD>(charSet & 0xFF), OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           face.c_str()));
}

SIZE MeasureText(HFONT font, const std::string& text) {
  HDC screen = GetDC(nullptr);
  SIZE size{};
  {
    TSelected selected(screen, font);
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ReleaseDC(nullptr, screen);
  return size;
}

}  // namespace nuvopick::win
