// The setup window's measures, colours and private messages, and the small
// helpers its files share. The measures are those of a 96-DPI screen; the
// window scales them by its DPI.
#pragma once

#include <windows.h>

#include "model/icon_dialog_close_record.h"
#include "platform/dpi_scale.h"
#include "platform/win/color_ref.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/win_setup_services.h"
#include "platform/win/window_text.h"
#include "setup/ext_page.h"

namespace nuvopick::win::setup_window {

constexpr int kClientWidth = 588;
constexpr int kClientHeight = 391;
constexpr int kStripHeight = 40;
constexpr int kTreeWidth = 129;
constexpr int kMargin = 8;
constexpr int kPageLeft = kMargin + kTreeWidth + kMargin;
constexpr int kPageTop = kMargin;
constexpr int kPageWidth = kClientWidth - kPageLeft - kMargin;
constexpr int kContentTop = kPageTop + 30;
constexpr int kRowHeight = 18;
constexpr int kAlwaysShown = -1;

// The window's private messages.
constexpr UINT kWmTrayNotify = TWinTrayIcon::kCallbackMessage;
constexpr UINT kWmEntryModified = 0x806B;

constexpr COLORREF kPanelColor = RGB(0x33, 0x33, 0x33);
// The extension list's rows and the icon in its panel.
constexpr int kExtRowHeight = 12;
constexpr int kIconSize = 32;
// An entry list: its caption and seven rows; the form under it has seven rows
// and the buttons.
constexpr int kEntryRowHeight = 12;
constexpr int kEntryListBlockHeight = 16 + 7 * kEntryRowHeight + 4;
constexpr int kFormRowPitch = 24;
constexpr int kIconOffset = (kIconPanelSize - kIconSize) / 2;

constexpr char kNoClickPrefix[] = "一定時間クリックされない場合、";
constexpr char kNoClickGap[] = "　　　　　　　　";

// The window's fonts at one DPI: its face "ＭＳ Ｐゴシック" at -12, bold, the
// about panel's title at -16 and its underlined links, and the fixed face of
// the extension boxes.
enum class TFontRole { Normal, Bold, Title, Link, Fixed };
struct TSetupFonts {
  TFont Normal;
  TFont Bold;
  TFont Title;
  TFont Link;
  TFont Fixed;

  HFONT Of(TFontRole role) const;
};
TSetupFonts CreateSetupFonts(const TDpiScale& dpi);

// A row of an owner-drawn list: its colours filled, its text 2 pixels (at 96
// DPI) from the left.
void DrawListRow(const DRAWITEMSTRUCT& item, const TExtRowLook& look, HFONT font,
                 const TDpiScale& dpi);

}  // namespace nuvopick::win::setup_window
