#include "platform/win/win_gather_mark.h"

#include <utility>

#include "text/win/wide_chars.h"

namespace nuvopick::win {
namespace {

constexpr wchar_t kWindowClass[] = L"NuvoPickGatherMark";
// Tells our file apart from anything else a stray WM_COPYDATA may carry.
constexpr ULONG_PTR kGatheredFileTag = 0x4E504746;  // "NPGF"
constexpr DWORD kMaxFileBytes = 32767 * sizeof(wchar_t);
// The holder makes its window right after taking the mark: a start that comes
// in between looks again for this long.
constexpr DWORD kFindWindowMs = 1000;
constexpr DWORD kFindWindowPollMs = 5;
// The holder answers from its message loop or its wait for the pointer; only a
// holder that hangs makes a start wait this long.
constexpr UINT kAnswerTimeoutMs = 5000;

bool RegisterWindowClass(WNDPROC windowProc) {
  static const bool registered = [windowProc] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  return registered;
}

bool MarkExists(const std::u16string& name) {
  const TKernelHandle mark(OpenMutexW(SYNCHRONIZE, FALSE, WideChars(name)));
  return mark.Valid();
}

}  // namespace

bool TWinGatherMark::Claim(const std::u16string& name, TReceiver receiver) {
  Release();
  // One step for the whole session: of two starts only one creates the mutex,
  // the other is told that it exists.
  TKernelHandle mutex(CreateMutexW(nullptr, FALSE, WideChars(name)));
  if (!mutex.Valid() || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  if (!RegisterWindowClass(&WindowProc)) return false;
  window_ = CreateWindowExW(0, kWindowClass, WideChars(name), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) return false;  // the mutex goes with the handle: no mark is left
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  mutex_ = std::move(mutex);
  receiver_ = std::move(receiver);
  return true;
}

THandOver TWinGatherMark::HandOver(const std::u16string& name, const std::u16string& path) {
  const DWORD start = GetTickCount();
  HWND holder = nullptr;
  for (;;) {
    holder = FindWindowExW(HWND_MESSAGE, nullptr, kWindowClass, WideChars(name));
    if (holder != nullptr) break;
    if (!MarkExists(name) || GetTickCount() - start >= kFindWindowMs) return THandOver::NoCollector;
    Sleep(kFindWindowPollMs);
  }
  COPYDATASTRUCT data{};
  data.dwData = kGatheredFileTag;
  data.cbData = static_cast<DWORD>(path.size() * sizeof(char16_t));
  data.lpData = const_cast<wchar_t*>(WideChars(path));
  DWORD_PTR answer = 0;
  // A holder that went away or hangs counts as one that refused: this start
  // then shows its own list.
  const LRESULT sent =
      SendMessageTimeoutW(holder, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerTimeoutMs, &answer);
  return sent != 0 && answer == 1 ? THandOver::Taken : THandOver::Refused;
}

void TWinGatherMark::Release() {
  mutex_.Close();
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  receiver_ = nullptr;
}

LRESULT CALLBACK TWinGatherMark::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* mark = reinterpret_cast<TWinGatherMark*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COPYDATA && mark != nullptr) {
    return mark->Receive(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TWinGatherMark::Receive(const COPYDATASTRUCT& data) {
  if (data.dwData != kGatheredFileTag || data.cbData % sizeof(char16_t) != 0 ||
      data.cbData > kMaxFileBytes || data.lpData == nullptr || !receiver_) {
    return 0;
  }
  std::u16string path(data.cbData / sizeof(char16_t), u'\0');
  CopyMemory(path.data(), data.lpData, data.cbData);
  return receiver_(path) ? 1 : 0;
}

}  // namespace nuvopick::win
