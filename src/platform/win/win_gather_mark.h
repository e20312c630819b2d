// The gather mark on Windows: a named mutex in the user's session says that a
// list collects the files of an extension, and a message-only window of the
// same name receives them by WM_COPYDATA.
#pragma once

#include <windows.h>

#include "platform/gather_mark.h"
#include "platform/win/handle.h"

namespace nuvopick::win {

class TWinGatherMark : public IGatherMark {
 public:
  TWinGatherMark() = default;
  TWinGatherMark(const TWinGatherMark&) = delete;
  TWinGatherMark& operator=(const TWinGatherMark&) = delete;
  ~TWinGatherMark() override { Release(); }

  bool Claim(const std::u16string& name, TReceiver receiver) override;
  THandOver HandOver(const std::u16string& name, const std::u16string& path) override;
  void Release() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Receive(const COPYDATASTRUCT& data);

  TKernelHandle mutex_;
  HWND window_ = nullptr;
  TReceiver receiver_;
};

}  // namespace nuvopick::win
