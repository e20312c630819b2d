#include "gate/win/row_icon_fetcher.h"

#include <objbase.h>
#include <shellapi.h>

#include <mutex>
#include <optional>
#include <utility>

#include "gate/row_icon_source.h"
#include "platform/win/lazy_library.h"

namespace nuvopick::win {

struct TRowIconFetcher::TShared {
  std::mutex Lock;
  HWND Window = nullptr;  // none once the window no longer takes icons
  UINT Message = 0;
  std::vector<std::string> Programs;
  int IconSize = 0;
};

namespace {

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

class TWinProgramLocator : public IProgramLocator {
 public:
  std::u16string ExpandVariables(const std::u16string& text) const override {
    std::u16string expanded(MAX_PATH, u'\0');
    for (;;) {
      const DWORD length =
          ExpandEnvironmentStringsW(Wide(text), reinterpret_cast<wchar_t*>(expanded.data()),
                                    static_cast<DWORD>(expanded.size()));
      if (length == 0) return text;
      if (length <= expanded.size()) {
        expanded.resize(length - 1);  // the count holds the closing null
        return expanded;
      }
      expanded.resize(length);
    }
  }

  // Where the shell looks for a program named without folder: the program's own
  // folder, the current one, the system folders and the PATH.
  std::optional<std::u16string> FindOnSearchPath(const std::u16string& name) const override {
    std::u16string found(MAX_PATH, u'\0');
    for (;;) {
      const DWORD length =
          SearchPathW(nullptr, Wide(name), L".exe", static_cast<DWORD>(found.size()),
                      reinterpret_cast<wchar_t*>(found.data()), nullptr);
      if (length == 0) return std::nullopt;
      if (length < found.size()) {
        found.resize(length);
        return found;
      }
      found.resize(length);
    }
  }
};

// The icon of IconSize pixels at Index of the icon file File; none when it has none.
HICON ExtractAtSize(const wchar_t* file, int index, int iconSize) {
  using TDefExtract = HRESULT WINAPI(LPCWSTR, int, UINT, HICON*, HICON*, UINT);
  auto* extract = LazyFunction<TDefExtract>("shell32.dll", "SHDefExtractIconW");
  HICON icon = nullptr;
  if (extract == nullptr ||
      extract(file, index, 0, &icon, nullptr, static_cast<UINT>(iconSize)) != S_OK) {
    return nullptr;
  }
  return icon;
}

// The shell's icon for Path: of the file or folder itself, or, with
// Attributes, of any file of that name's type without looking at the disk.
// Taken at the row's size from where the shell says it lies; an icon the shell
// makes up for the item itself comes at the system's size and is drawn to the row's.
HICON ShellIcon(const std::u16string& path, DWORD attributes, int iconSize) {
  auto* getInfo = LazyFunction<decltype(SHGetFileInfoW)>("shell32.dll", "SHGetFileInfoW");
  if (getInfo == nullptr) return nullptr;
  const UINT typeOnly = attributes != 0 ? SHGFI_USEFILEATTRIBUTES : 0;
  SHFILEINFOW info{};
  if (getInfo(Wide(path), attributes, &info, sizeof info, SHGFI_ICONLOCATION | typeOnly) != 0 &&
      info.szDisplayName[0] != L'\0') {
    if (HICON icon = ExtractAtSize(info.szDisplayName, info.iIcon, iconSize)) return icon;
  }
  info = SHFILEINFOW{};
  const UINT size = iconSize > GetSystemMetrics(SM_CXSMICON) ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  if (getInfo(Wide(path), attributes, &info, sizeof info, SHGFI_ICON | size | typeOnly) == 0) {
    return nullptr;
  }
  return info.hIcon;
}

// The first icon of the program file at its exact size; a program without
// icons shows what the shell shows for it.
HICON ProgramIcon(const std::u16string& path, int iconSize) {
  if (HICON icon = ExtractAtSize(Wide(path), 0, iconSize)) return icon;
  return ShellIcon(path, 0, iconSize);
}

HICON IconOf(const TRowIconSource& source, int iconSize) {
  switch (source.Kind) {
    case TRowIconKind::ProgramFile:
      return ProgramIcon(source.Path, iconSize);
    case TRowIconKind::ShellItem:
      return ShellIcon(source.Path, 0, iconSize);
    case TRowIconKind::Url:
      // An address is never opened for its icon: the one of Internet shortcuts.
      return ShellIcon(u"address.url", FILE_ATTRIBUTE_NORMAL, iconSize);
    case TRowIconKind::None:
      break;
  }
  return nullptr;
}

// Hands Icon to the window, or destroys it when the window takes no more.
void Post(TRowIconFetcher::TShared& shared, std::size_t row, HICON icon) {
  const std::lock_guard<std::mutex> lock(shared.Lock);
  if (shared.Window != nullptr &&
      PostMessageW(shared.Window, shared.Message, row, reinterpret_cast<LPARAM>(icon))) {
    return;
  }
  DestroyIcon(icon);
}

bool WindowGone(TRowIconFetcher::TShared& shared) {
  const std::lock_guard<std::mutex> lock(shared.Lock);
  return shared.Window == nullptr;
}

DWORD WINAPI FetchIcons(void* parameter) {
  const std::unique_ptr<std::shared_ptr<TRowIconFetcher::TShared>> owned(
      static_cast<std::shared_ptr<TRowIconFetcher::TShared>*>(parameter));
  TRowIconFetcher::TShared& shared = **owned;
  // The shell's icon calls want COM on the calling thread, in an apartment of
  // its own.
  using TCoInitializeEx = HRESULT WINAPI(LPVOID, DWORD);
  using TCoUninitialize = void WINAPI();
  auto* initialize = LazyFunction<TCoInitializeEx>("ole32.dll", "CoInitializeEx");
  auto* uninitialize = LazyFunction<TCoUninitialize>("ole32.dll", "CoUninitialize");
  const bool comReady =
      initialize != nullptr &&
      SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  const TWinProgramLocator locator;
  for (std::size_t row = 0; row < shared.Programs.size() && !WindowGone(shared); ++row) {
    const TRowIconSource source = RowIconSourceOf(shared.Programs[row], locator);
    if (HICON icon = IconOf(source, shared.IconSize)) Post(shared, row, icon);
  }
  if (comReady && uninitialize != nullptr) uninitialize();
  return 0;
}

}  // namespace

TRowIconFetcher::TRowIconFetcher(HWND window, UINT message) : shared_(std::make_shared<TShared>()) {
  shared_->Window = window;
  shared_->Message = message;
}

TRowIconFetcher::~TRowIconFetcher() {
  HWND window = nullptr;
  {
    const std::lock_guard<std::mutex> lock(shared_->Lock);
    window = std::exchange(shared_->Window, nullptr);
  }
  if (window == nullptr) return;
  MSG message;
  while (PeekMessageW(&message, window, shared_->Message, shared_->Message, PM_REMOVE)) {
    DestroyIcon(reinterpret_cast<HICON>(message.lParam));
  }
}

bool TRowIconFetcher::Start(std::vector<std::string> programs, int iconSize) {
  shared_->Programs = std::move(programs);
  shared_->IconSize = iconSize;
  // The thread keeps the shared part alive for as long as it runs; it is never
  // joined, so a stuck shell call cannot hold the window or the process.
  auto parameter = std::make_unique<std::shared_ptr<TShared>>(shared_);
  HANDLE thread = CreateThread(nullptr, 0, &FetchIcons, parameter.get(), 0, nullptr);
  if (thread == nullptr) return false;
  parameter.release();  // the thread's now
  CloseHandle(thread);
  return true;
}

}  // namespace nuvopick::win
