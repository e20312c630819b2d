#include "platform/win/gdi_owners.h"

namespace nuvopick::win {

int ScreenPixelsPerInch() {
  return GetDeviceCaps(TScreenDc().Get(), LOGPIXELSY);
}

TFont CreatePointFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                      bool strikeOut, int charSet) {
  return CreatePointFont(face, points, bold, italic, underline, strikeOut, charSet,
                         TDpiScale(ScreenPixelsPerInch()));
}

TFont CreatePointFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                      bool strikeOut, int charSet, const TDpiScale& dpi) {
  const int height = -MulDiv(points, dpi.Dpi(), 72);
  return TFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline,
                           strikeOut, static_cast<DWORD>(charSet & 0xFF), OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           face.c_str()));
}

SIZE MeasureText(HFONT font, const std::string& text) {
  const TScreenDc screen;
  const TSelected selected(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace nuvopick::win
