// The base of every window of the program: registers its class, keeps `this` with
// the window from WM_NCCREATE on, and routes messages to a member function, which
// no exception leaves.
#pragma once

#include <windows.h>

#include <exception>

namespace nuvopick::win {

class TWindow {
 public:
  TWindow() = default;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  virtual ~TWindow();

  HWND Handle() const { return handle_; }

  // Hands an exception that a message of Control (a window of ours or a control
  // on one) let out to the policy of the window of ours it belongs to; without
  // one the exception passes unseen.
  static void MessageFailedIn(HWND control, const std::exception& error);

 protected:
  struct TCreateParams {
    const char* className;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
    HWND parent;
  };

  // Creates the window; the class is registered on first use with the
  // program's icon and an arrow cursor.
  bool CreateHandle(const TCreateParams& params);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's answer to an exception that HandleMessage let out; the message
  // is then answered with 0. By default the exception passes unseen.
  virtual void MessageFailed(const std::exception& /*error*/) {}

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
};

}  // namespace nuvopick::win
