// The hints of a whole window: whichever of its controls the pointer rests on
// explains itself in a tooltip that the program shows and hides itself, since a
// standard tooltip cannot stay up longer than about a minute.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/hint_tracker.h"

namespace nuvopick::win {

class TPointerHint {
 public:
  // The hint of Control (a child of the owner, or the owner itself): its text,
  // empty for none, and how long it stays up.
  struct TText {
    std::string Text;
    std::uint32_t HideTimeMs = 0;
  };
  using TQuery = std::function<TText(HWND control)>;

  TPointerHint() = default;
  TPointerHint(const TPointerHint&) = delete;
  TPointerHint& operator=(const TPointerHint&) = delete;
  ~TPointerHint();

  // The timers go to Owner.
  void Create(HWND owner, TQuery query);

  // Feed these from the owner's messages: the pointer moved over the window
  // (WM_SETCURSOR), and a click or the loss of activation, which take the hint
  // away until the pointer reaches another control.
  void PointerSeen();
  void Cancel();
  // True when the timer was the hint's own.
  bool TimerFired(UINT_PTR id);

 private:
  // The owner's child under the pointer, disabled ones included; the owner for
  // its own client area; null when the pointer is elsewhere or the window is
  // not the active one.
  HWND ControlUnderPointer() const;
  void Watch();
  void Show(const TText& text);
  void Hide();

  HWND TrackedControl() const { return reinterpret_cast<HWND>(tracker_.Control()); }

  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  TQuery query_;
  std::string text_;
  THintTracker tracker_;
  bool watching_ = false;
};

}  // namespace nuvopick::win
