// The one way the program puts its own handling in front of a control's
// procedure. Hooks on the same control stack: the newest sees a message first
// and passes it on through Next. A hook lasts as long as its token or its
// control, whichever ends first, in any order.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace nuvopick::win {

// Passes a message on to the hook below, or to the control's own procedure.
using TNextHandler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;
using TControlHook =
    std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam, const TNextHandler& next)>;

class TSubclassToken {
 public:
  struct THook;

  TSubclassToken() = default;
  explicit TSubclassToken(std::shared_ptr<THook> hook) : hook_(std::move(hook)) {}
  TSubclassToken(TSubclassToken&&) noexcept = default;
  TSubclassToken& operator=(TSubclassToken&& other) noexcept;
  TSubclassToken(const TSubclassToken&) = delete;
  TSubclassToken& operator=(const TSubclassToken&) = delete;
  ~TSubclassToken() { Remove(); }

  // Takes the hook out; the control works on without it.
  void Remove();

 private:
  std::shared_ptr<THook> hook_;
};

[[nodiscard]] TSubclassToken HookControl(HWND control, TControlHook hook);

}  // namespace nuvopick::win
