#include "platform/win/pointer_hint.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/win/lazy_library.h"
#include "platform/win/window_dpi.h"

namespace nuvopick::win {
namespace {

// Timer identifiers of the owner window reserved for the hint.
constexpr UINT_PTR kWatchTimer = 0x4E52;
constexpr UINT_PTR kHideTimer = 0x4E53;
constexpr UINT kWatchIntervalMs = 100;

bool IsGroupBox(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Button") == 0 &&
         (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

TOOLINFOA ToolOf(HWND owner) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(owner);
  return tool;
}

}  // namespace

TPointerHint::~TPointerHint() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void TPointerHint::Create(HWND owner, TQuery query) {
  InitCommonControlsOnce();
  owner_ = owner;
  query_ = std::move(query);
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  // One tool for the whole window, shown and hidden by hand; its text changes
  // with the control under the pointer.
  TOOLINFOA tool = ToolOf(owner);
  tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = text_.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TPointerHint::PointerSeen() {
  if (tooltip_ == nullptr || watching_) return;
  watching_ = true;
  SetTimer(owner_, kWatchTimer, kWatchIntervalMs, nullptr);
  Watch();
}

void TPointerHint::Cancel() {
  if (tracker_.Cancel()) Hide();
}

bool TPointerHint::TimerFired(UINT_PTR id) {
  if (id == kWatchTimer) {
    Watch();
    return true;
  }
  if (id == kHideTimer) {
    Hide();
    tracker_.Hidden();
    return true;
  }
  return false;
}

HWND TPointerHint::ControlUnderPointer() const {
  if (GetForegroundWindow() != owner_ || !IsWindowEnabled(owner_)) return nullptr;
  POINT pointer{};
  GetCursorPos(&pointer);
  HWND window = WindowFromPoint(pointer);
  // The hint itself under the pointer changes nothing.
  if (window == tooltip_) return TrackedControl();
  if (window == nullptr || GetAncestor(window, GA_ROOT) != owner_) return nullptr;
  if (window == owner_) {
    // The point finds no disabled control, group box or plain label; look for
    // them among the children, a group box only when nothing inside it is there.
    HWND groupBox = nullptr;
    for (HWND child = GetWindow(owner_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      RECT rect{};
      if (!IsWindowVisible(child) || !GetWindowRect(child, &rect) || !PtInRect(&rect, pointer)) {
        continue;
      }
      if (!IsGroupBox(child)) return child;
      if (groupBox == nullptr) groupBox = child;
    }
    return groupBox != nullptr ? groupBox : owner_;
  }
  while (GetParent(window) != owner_) window = GetParent(window);
  return window;
}

void TPointerHint::Watch() {
  const THintTracker::TStep step = tracker_.Look(
      reinterpret_cast<THintTracker::TControl>(ControlUnderPointer()), GetTickCount());
  if (step.Hide) Hide();
  if (step.Stop) {
    // The pointer left: nothing to watch until it comes back.
    KillTimer(owner_, kWatchTimer);
    watching_ = false;
    return;
  }
  if (!step.Ask) return;
  const TText text = query_(TrackedControl());
  if (!text.Text.empty()) Show(text);
}

void TPointerHint::Show(const TText& text) {
  text_ = text.Text;
  TOOLINFOA tool = ToolOf(owner_);
  tool.lpszText = text_.data();
  // A width limit lets "\r\n" break the lines. It, the pointer's height and
  // the gap above it grow with the DPI of the owner's screen.
  const TDpiScale dpi = DpiOfWindow(owner_);
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, dpi.Px(800));
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  // Below the pointer, kept on the screen.
  POINT pointer{};
  GetCursorPos(&pointer);
  const auto size = static_cast<DWORD>(
      SendMessageA(tooltip_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool)));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  int x = pointer.x;
  int y = pointer.y + dpi.Px(20);
  x = std::max(static_cast<int>(area.left),
               std::min(x, static_cast<int>(area.right - LOWORD(size))));
  if (y + HIWORD(size) > area.bottom) y = pointer.y - dpi.Px(4) - HIWORD(size);
  SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
  SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  tracker_.Shown();
  SetTimer(owner_, kHideTimer, text.HideTimeMs, nullptr);
}

void TPointerHint::Hide() {
  KillTimer(owner_, kHideTimer);
  TOOLINFOA tool = ToolOf(owner_);
  SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace nuvopick::win
