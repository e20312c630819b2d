#include "setup/win/win_choose_dialogs.h"

#include <commdlg.h>

#include "platform/win/color_ref.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/lazy_library.h"

namespace nuvopick::win {

std::optional<std::int32_t> TWinChooseDialogs::PickColor(std::int32_t color) {
  auto* choose = LazyFunction<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
  if (choose == nullptr) return std::nullopt;
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.rgbResult = ToColorRef(color);
  dialog.lpCustColors = customColors_.data();
  dialog.Flags = CC_RGBINIT;
  if (!choose(&dialog)) return std::nullopt;
  return static_cast<std::int32_t>(dialog.rgbResult & 0xFFFFFF);
}

std::optional<nuvopick::TFont> TWinChooseDialogs::PickFont(const nuvopick::TFont& font) {
  auto* choose = LazyFunction<decltype(ChooseFontA)>("comdlg32.dll", "ChooseFontA");
  if (choose == nullptr) return std::nullopt;
  const int pixelsPerInch = ScreenPixelsPerInch();

  LOGFONTA logFont{};
  logFont.lfHeight = -MulDiv(font.Size, pixelsPerInch, 72);
  logFont.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.Italic ? TRUE : FALSE;
  logFont.lfUnderline = font.UnderLine ? TRUE : FALSE;
  logFont.lfStrikeOut = font.StrikeOut ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.CharSet & 0xFF);
  // A face name too long for the field is cut, not overrun.
  font.Name.copy(logFont.lfFaceName, LF_FACESIZE - 1);

  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpLogFont = &logFont;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = fontColor_;
  if (!choose(&dialog)) return std::nullopt;
  fontColor_ = dialog.rgbColors;

  nuvopick::TFont chosen;
  chosen.Name = logFont.lfFaceName;
  // The dialog counts tenths of a point.
  chosen.Size = (dialog.iPointSize + 5) / 10;
  chosen.CharSet = logFont.lfCharSet;
  chosen.Bold = logFont.lfWeight >= FW_BOLD;
  chosen.Italic = logFont.lfItalic != 0;
  chosen.UnderLine = logFont.lfUnderline != 0;
  chosen.StrikeOut = logFont.lfStrikeOut != 0;
  chosen.Color = static_cast<std::int32_t>(dialog.rgbColors & 0xFFFFFF);
  return chosen;
}

}  // namespace nuvopick::win
