// A control of a window with the program's object behind it. The view creates
// the control, sees the control's own messages first and answers what the
// control tells its parent (commands, notifications, drawing, colours), which
// the parent window's base hands back to the view of the control concerned.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/control_subclass.h"

namespace nuvopick::win {

// Where a control goes: its parent, its place, its identifier and its font.
struct TPlacement {
  HWND Parent = nullptr;
  int X = 0, Y = 0, Width = 0, Height = 0;
  int Id = 0;
  HFONT Font = nullptr;
};

class TControlView {
 public:
  TControlView(const TControlView&) = delete;
  TControlView& operator=(const TControlView&) = delete;
  virtual ~TControlView();

  HWND Handle() const { return handle_; }

  // The view behind Control, or nullptr.
  static TControlView* Of(HWND control);

  // A message of the parent about this control; true when it was answered
  // with Result.
  virtual bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  TControlView() = default;

  // Creates the control as WS_CHILD | Style, takes its messages and sets its font.
  HWND CreateControl(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                     const TPlacement& place);

  // The control's own messages; Next gives them to the control's class.
  virtual LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                 const TNextHandler& next);

 private:
  HWND handle_ = nullptr;
  TSubclassToken hook_;
};

// For the window base: gives a child's message to the view of that child.
// True when the view answered it with Result.
bool ReflectToView(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace nuvopick::win
