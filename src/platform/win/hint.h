// A hint over one control that the program keeps up itself: a standard tooltip
// hides itself after about half a minute at most, while the gate's hint with the
// opened file's path stays as long as the pointer rests on the list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace nuvopick::win {

class THint {
 public:
  THint() = default;
  THint(const THint&) = delete;
  THint& operator=(const THint&) = delete;
  ~THint();

  // A hint with Text for Control, hidden after HideTimeMs; the timers go to Owner.
  // The text is UTF-16: it shows a file name with every character.
  void Create(HWND owner, HWND control, const std::u16string& text, std::uint32_t hideTimeMs);
  // The text changed while the hint exists; a shown hint shows the new one.
  void SetText(const std::u16string& text);

  // Feed these from the control's and the owner's messages.
  void MouseMoved();
  void MouseLeft();
  // True when the timer was the hint's own.
  bool TimerFired(UINT_PTR id);

 private:
  void Show();
  void Hide();

  HWND owner_ = nullptr;
  HWND control_ = nullptr;
  HWND tooltip_ = nullptr;
  std::u16string text_;
  std::uint32_t hideTimeMs_ = 0;
  bool pending_ = false;
  bool shown_ = false;
};

}  // namespace nuvopick::win
