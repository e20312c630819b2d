// Owners of kernel handles, closed when they go out of scope.
#pragma once

#include <windows.h>

namespace nuvopick::win {

class TFileHandle {
 public:
  explicit TFileHandle(HANDLE handle) : handle_(handle) {}
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle() { Close(); }

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

}  // namespace nuvopick::win
