// The setup window's measures, colours and private messages, and the small
// helpers its files share.
#pragma once

#include <windows.h>

#include "model/icon_dialog_close_record.h"
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

// The window's face, "ＭＳ Ｐゴシック", at Height (in the font's logical units).
TFont CreateWindowFont(bool bold, int height = -12, bool underline = false);
TFont CreateFixedFont();
// A row of an owner-drawn list: its colours filled, its text at left + 2.
void DrawListRow(const DRAWITEMSTRUCT& item, const TExtRowLook& look, HFONT font);

}  // namespace nuvopick::win::setup_window
