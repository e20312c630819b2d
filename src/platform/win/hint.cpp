#include "platform/win/hint.h"

#include <commctrl.h>

#include "platform/win/lazy_library.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {
namespace {

// Timer identifiers of the owner window reserved for the hint.
constexpr UINT_PTR kShowTimer = 0x4E50;
constexpr UINT_PTR kHideTimer = 0x4E51;

}  // namespace

THint::~THint() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void THint::Create(HWND owner, HWND control, const std::u16string& text, std::uint32_t hideTimeMs) {
  InitCommonControlsOnce();
  owner_ = owner;
  control_ = control;
  text_ = text;
  hideTimeMs_ = hideTimeMs;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = WideChars(text_);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 800);
}

void THint::SetText(const std::u16string& text) {
  if (tooltip_ == nullptr || text == text_) return;
  text_ = text;
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control_);
  tool.lpszText = WideChars(text_);
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THint::MouseMoved() {
  if (tooltip_ == nullptr) return;
  // Asked again at every move: a leave reported too early must not end the tracking.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control_, 0};
  TrackMouseEvent(&track);
  if (pending_ || shown_) return;
  pending_ = true;
  SetTimer(owner_, kShowTimer,
           static_cast<UINT>(SendMessageA(tooltip_, TTM_GETDELAYTIME, TTDT_INITIAL, 0)), nullptr);
}

void THint::MouseLeft() {
  POINT pointer{};
  GetCursorPos(&pointer);
  if (WindowFromPoint(pointer) != control_) Hide();
}

bool THint::TimerFired(UINT_PTR id) {
  if (id == kShowTimer) {
    KillTimer(owner_, kShowTimer);
    if (pending_) Show();
    return true;
  }
  if (id == kHideTimer) {
    KillTimer(owner_, kHideTimer);
    if (tooltip_ != nullptr) SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, 0);
    return true;
  }
  return false;
}

void THint::Show() {
  pending_ = false;
  shown_ = true;
  POINT pointer{};
  GetCursorPos(&pointer);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control_);
  SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(pointer.x + 12, pointer.y + 20));
  SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetTimer(owner_, kHideTimer, hideTimeMs_, nullptr);
}

void THint::Hide() {
  pending_ = false;
  shown_ = false;
  KillTimer(owner_, kShowTimer);
  KillTimer(owner_, kHideTimer);
  if (tooltip_ != nullptr) SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, 0);
}

}  // namespace nuvopick::win
