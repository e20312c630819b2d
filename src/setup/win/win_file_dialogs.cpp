#include "setup/win/win_file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "controls/win/browse_folder_win.h"
#include "platform/win/lazy_library.h"
#include "text/dbcs.h"

namespace nuvopick::win {
namespace {

// "name|pattern|..." as the dialog wants it: each part closed by a NUL, the
// list by one more. A '|' inside a double-byte character is not a separator.
std::string DialogFilterOf(const std::string& filter) {
  std::string parts;
  for (std::size_t pos = 0; pos < filter.size();) {
    const std::size_t next = NextCharPos(filter, pos);
    if (next == pos + 1 && filter[pos] == '|') {
      parts += '\0';
    } else {
      parts.append(filter, pos, next - pos);
    }
    pos = next;
  }
  if (parts.empty() || parts.back() != '\0') parts += '\0';
  parts += '\0';
  return parts;
}

}  // namespace

std::optional<std::string> TWinFileDialogs::OpenFile(const std::string& filter,
                                                     const std::string& initialDir) {
  auto* open = LazyFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  if (open == nullptr) return std::nullopt;
  const std::string filterParts = DialogFilterOf(filter);
  // Room for paths beyond MAX_PATH.
  std::vector<char> file(4096, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  // No filter at all offers every file.
  dialog.lpstrFilter = filter.empty() ? nullptr : filterParts.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!open(&dialog)) return std::nullopt;
  return std::string(file.data());
}

std::optional<std::string> TWinFileDialogs::BrowseFolder() {
  if (!ExecuteBrowseFolder(browseFolder_, owner_)) return std::nullopt;
  return browseFolder_.SelectedDir();
}

}  // namespace nuvopick::win
